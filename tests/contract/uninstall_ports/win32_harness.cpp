#include <windows.h>

#include "platform/win32/win32_handover.h"
#include "platform/win32/win32_shell_link_reader.h"
#include "platform/win32/win32_shell_links.h"
#include "platform/win32/win32_system_folders.h"
#include "tests/contract/uninstall_ports/harness.h"
#include "tests/contract/uninstall_ports/setup_like_link.h"
#include "tests/e2e/driver/driver.h"

namespace contract {

namespace {

class Win32UninstallPortsHarness final : public UninstallPortsHarness {
 public:
  Win32UninstallPortsHarness()
      : scratch_("C:\\uninstall_ports_" + std::to_string(::GetCurrentProcessId()) + "_" + std::to_string(++count_)) {
    ::CreateDirectoryA(scratch_.c_str(), nullptr);
  }
  ~Win32UninstallPortsHarness() override { e2e::RemoveTree(scratch_); }
  platform::ShellLinkReader& Reader() override { return reader_; }
  platform::Handover& Handover() override { return handover_; }
  platform::SystemFolders& System() override { return system_; }
  std::string ReadFile(const std::string& path) override { return e2e::ReadFile(path); }
  std::string Scratch() override { return scratch_; }
  bool MakeFolder(const std::string& path) override { return ::CreateDirectoryA(path.c_str(), nullptr); }
  bool RemoveFolder(const std::string& path) override { return ::RemoveDirectoryA(path.c_str()); }
  bool MoveFolder(const std::string& path, const std::string& newPath) override {
    return ::MoveFileA(path.c_str(), newPath.c_str());
  }
  bool WriteFile(const std::string& path, const std::string& content) override {
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    ::CloseHandle(file);
    return true;
  }
  bool FileExists(const std::string& path) override {
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  }
  bool FolderExists(const std::string& path) override {
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
  }
  bool WriteLink(const std::string& target, const std::string& linkPath, const std::string& folder) override {
    return SaveLinkAsSetupDoes(writer_, target, linkPath, folder);
  }

 private:
  static inline int count_ = 0;
  std::string scratch_;
  platform::Win32ShellLinks writer_;
  platform::Win32ShellLinkReader reader_;
  platform::Win32Handover handover_;
  platform::Win32SystemFolders system_;
};

}  // namespace

std::unique_ptr<UninstallPortsHarness> MakeUninstallPortsHarness() {
  return std::make_unique<Win32UninstallPortsHarness>();
}

}  // namespace contract
