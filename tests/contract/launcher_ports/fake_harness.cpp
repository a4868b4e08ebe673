#include "platform/fake/fake_environment.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_process.h"
#include "platform/fake/fake_profile.h"
#include "platform/fake/fake_shell_association.h"
#include "platform/fake/fake_string_resource.h"
#include "tests/contract/launcher_ports/harness.h"

namespace launcher_contract {

namespace {

class FakeHarness final : public Harness {
 public:
  FakeHarness() {
    files_.AddFolder(kScratch);
    files_.AddFolder("C:\\windows");
    strings_.SetString(kShortTextId, kShortText);
    strings_.SetString(kJapaneseTextId, kJapaneseText);
  }
  platform::Profile& Profile() override { return profile_; }
  platform::ShellAssociation& Shell() override { return shell_; }
  platform::Process& Process() override { return process_; }
  platform::StringResource& Strings() override { return strings_; }
  HINSTANCE StringsInstance() override { return nullptr; }
  platform::Environment& Environment() override { return environment_; }
  void SetVariable(const std::string& name, const std::u16string& value) override { environment_.SetWide(name, value); }
  std::string Scratch() override { return kScratch; }
  void WriteFile(const std::string& path, const std::string& content) override { files_.AddFile(path, content); }
  void DeleteFile(const std::string& path) override { files_.DeleteFileA(path.c_str()); }
  void Associate(const std::string& extension, const std::string& openCommand) override {
    shell_.Associate(extension, openCommand);
  }
  std::string RecorderPath() override { return "C:\\tools\\recorder.exe"; }
  void LetRecorderEnd(HANDLE process) override { process_.EndProcess(process); }
  std::string Recorded() override {
    if (process_.Starts().empty()) return "<nothing>";
    const auto& start = process_.Starts().back();
    return start.commandLine + "\n" + start.currentDirectory;
  }

 private:
  static constexpr const char* kScratch = "C:\\contract 表示";
  platform::FakeFileSystem files_;
  platform::FakeProfile profile_{files_};
  platform::FakeShellAssociation shell_{files_};
  platform::FakeProcess process_;
  platform::FakeStringResource strings_;
  platform::FakeEnvironment environment_;
};

}  // namespace

std::unique_ptr<Harness> MakeHarness() { return std::make_unique<FakeHarness>(); }

}  // namespace launcher_contract
