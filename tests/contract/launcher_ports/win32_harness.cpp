#include <windows.h>

#include <atomic>
#include <vector>

#include "platform/win32/win32_environment.h"
#include "platform/win32/win32_process.h"
#include "platform/win32/win32_profile.h"
#include "platform/win32/win32_shell_association.h"
#include "platform/win32/win32_string_resource.h"
#include "tests/contract/launcher_ports/harness.h"
#include "tests/e2e/driver/driver.h"

namespace launcher_contract {

namespace {

std::atomic<int> counter{0};
constexpr char kProgId[] = "TessalContract.Document";

class Win32Harness final : public Harness {
 public:
  Win32Harness()
      : scratch_("C:\\contract 表示 " + std::to_string(::GetCurrentProcessId()) + "_" + std::to_string(++counter)) {
    ::CreateDirectoryA(scratch_.c_str(), nullptr);
    ::SetEnvironmentVariableA("TESSAL_STAND_IN_RECORD", (scratch_ + "\\record.txt").c_str());
    ::SetEnvironmentVariableA("TESSAL_STAND_IN_WINDOW", nullptr);
  }
  ~Win32Harness() override {
    for (const std::string& extension : associated_) e2e::DeleteRegTree(HKEY_CLASSES_ROOT, extension);
    if (!associated_.empty()) e2e::DeleteRegTree(HKEY_CLASSES_ROOT, kProgId);
    ::SetEnvironmentVariableA("TESSAL_STAND_IN_RECORD", nullptr);
    for (const std::string& name : variables_) ::SetEnvironmentVariableA(name.c_str(), nullptr);
    e2e::RemoveTree(scratch_);
  }
  platform::Profile& Profile() override { return profile_; }
  platform::ShellAssociation& Shell() override { return shell_; }
  platform::Process& Process() override { return process_; }
  platform::StringResource& Strings() override { return strings_; }
  HINSTANCE StringsInstance() override { return ::GetModuleHandleA(nullptr); }
  platform::Environment& Environment() override { return environment_; }
  void SetVariable(const std::string& name, const std::u16string& value) override {
    std::wstring wideName(name.begin(), name.end());
    std::wstring wideValue(value.begin(), value.end());
    ::SetEnvironmentVariableW(wideName.c_str(), wideValue.c_str());
    variables_.push_back(name);
  }
  std::string Scratch() override { return scratch_; }
  void WriteFile(const std::string& path, const std::string& content) override { e2e::WriteFile(path, content); }
  void DeleteFile(const std::string& path) override { ::DeleteFileA(path.c_str()); }
  void Associate(const std::string& extension, const std::string& openCommand) override {
    e2e::SetRegString(HKEY_CLASSES_ROOT, extension, "", kProgId);
    e2e::SetRegString(HKEY_CLASSES_ROOT, std::string(kProgId) + "\\shell\\open\\command", "", openCommand);
    associated_.push_back(extension);
  }
  std::string RecorderPath() override { return e2e::WindowsPath(TESSAL_STAND_IN_JAVA); }
  void LetRecorderEnd(HANDLE) override {}
  std::string Recorded() override {
    std::string content = e2e::ReadFile(scratch_ + "\\record.txt");
    return content == "<missing>" ? "<nothing>" : content;
  }

 private:
  std::string scratch_;
  std::vector<std::string> associated_;
  std::vector<std::string> variables_;
  platform::Win32Profile profile_;
  platform::Win32ShellAssociation shell_;
  platform::Win32Process process_;
  platform::Win32StringResource strings_;
  platform::Win32Environment environment_;
};

}  // namespace

std::unique_ptr<Harness> MakeHarness() { return std::make_unique<Win32Harness>(); }

}  // namespace launcher_contract
