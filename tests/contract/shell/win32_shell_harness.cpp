#include <windows.h>

#include "platform/win32/win32_shell_links.h"
#include "tests/contract/shell/shell_harness.h"
#include "tests/e2e/driver/driver.h"

namespace contract {

namespace {

class Win32ShellHarness final : public ShellHarness {
 public:
  Win32ShellHarness()
      : scratch_("C:\\links_" + std::to_string(::GetCurrentProcessId()) + "_" + std::to_string(++count_)) {
    ::CreateDirectoryA(scratch_.c_str(), nullptr);
  }
  ~Win32ShellHarness() override { e2e::RemoveTree(scratch_); }
  platform::ShellLinks& Port() override { return links_; }
  std::string Scratch() override { return scratch_; }
  bool MakeFolder(const std::string& path) override { return ::CreateDirectoryA(path.c_str(), nullptr); }
  bool WriteFile(const std::string& path, const std::string& content) override { return e2e::WriteFile(path, content); }
  bool FileExists(const std::string& path) override { return e2e::FileExists(path); }
  std::optional<SavedLink> ReadLink(const std::string& path) override {
    // Read back through the shell itself, independently of the port.
    if (!FileExists(path)) return std::nullopt;
    e2e::Shortcut shortcut = e2e::ReadShortcut(path);
    if (shortcut.target == "<unreadable>") return std::nullopt;
    return SavedLink{shortcut.target, shortcut.workingDirectory};
  }

 private:
  static inline int count_ = 0;
  std::string scratch_;
  platform::Win32ShellLinks links_;
};

}  // namespace

std::unique_ptr<ShellHarness> MakeShellHarness() { return std::make_unique<Win32ShellHarness>(); }

}  // namespace contract
