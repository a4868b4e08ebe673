// Set-up on each side for the contracts of the link reader and the
// handover port: a scratch folder, files, and links written by the side's
// own link writer.
#pragma once

#include <memory>
#include <string>

#include "platform/handover.h"
#include "platform/shell_link_reader.h"
#include "platform/system_folders.h"

namespace contract {

class UninstallPortsHarness {
 public:
  virtual ~UninstallPortsHarness() = default;
  virtual platform::ShellLinkReader& Reader() = 0;
  virtual platform::Handover& Handover() = 0;
  virtual platform::SystemFolders& System() = 0;
  virtual std::string ReadFile(const std::string& path) = 0;  // "<missing>" when there is none
  virtual std::string Scratch() = 0;                          // existing empty folder, no trailing backslash
  virtual bool MakeFolder(const std::string& path) = 0;
  // As another program would: RemoveDirectoryA, and MoveFileA of an empty folder.
  virtual bool RemoveFolder(const std::string& path) = 0;
  virtual bool MoveFolder(const std::string& path, const std::string& newPath) = 0;
  virtual bool WriteFile(const std::string& path, const std::string& content) = 0;
  virtual bool FileExists(const std::string& path) = 0;
  virtual bool FolderExists(const std::string& path) = 0;
  // A link saved as the setup program saves one.
  virtual bool WriteLink(const std::string& target, const std::string& linkPath, const std::string& folder) = 0;
};

std::unique_ptr<UninstallPortsHarness> MakeUninstallPortsHarness();

}  // namespace contract
