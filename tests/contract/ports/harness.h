// What a contract suite needs besides the port itself: a scratch place that
// it may change and that is cleaned afterwards, and a few set-up steps that
// the ports do not offer. One implementation per side.
#pragma once

#include <memory>
#include <string>

#include "platform/append_file.h"
#include "platform/file_system.h"
#include "platform/registry.h"

namespace contract {

class FileSystemHarness {
 public:
  virtual ~FileSystemHarness() = default;
  virtual platform::FileSystem& Port() = 0;
  // The append port over the same files.
  virtual platform::AppendFile& Appender() = 0;
  // An existing empty folder, without a trailing backslash.
  virtual std::string Scratch() = 0;
  virtual void WriteFile(const std::string& path, const std::string& content) = 0;
  virtual std::string ReadFile(const std::string& path) = 0;
  // Holds the file as the Java runtime holds its archive (open for reading,
  // sharing only reading, and mapped) until told to let it go.
  virtual void HoldOpen(const std::string& path, bool held) = 0;
  // Windows refuses to copy onto a read-only file; Wine here, run as root,
  // overwrites it. Each side is held to what it really does.
  virtual bool CopyRefusesReadOnlyTarget() = 0;
};

class RegistryHarness {
 public:
  virtual ~RegistryHarness() = default;
  virtual platform::Registry& Port() = 0;
  // A key path below HKEY_CURRENT_USER that does not exist yet.
  virtual std::string ScratchKey() = 0;
  // Stores a REG_SZ value exactly as given, without a terminator, as another
  // program writing through the wide API can (the ANSI API adds one).
  virtual void SetUnterminatedString(const std::string& keyPath, const std::string& name, const std::string& text) = 0;
  // Lets the key (which must exist) be opened for reading only.
  virtual void DenyWrite(HKEY root, const std::string& keyPath) = 0;
  // A key path below HKEY_LOCAL_MACHINE\SOFTWARE that does not exist yet in
  // either registry view; removed from both afterwards.
  virtual std::string MachineScratchKey() = 0;
};

std::unique_ptr<FileSystemHarness> MakeFileSystemHarness();
std::unique_ptr<RegistryHarness> MakeRegistryHarness();
// The registry as a 32-bit program sees it on 64-bit (true) or 32-bit Windows;
// nullptr when this side runs on the other kind.
std::unique_ptr<RegistryHarness> MakeRegistryHarnessOn(bool sixtyFourBitWindows);

}  // namespace contract
