#include "platform/fake/fake_shell_links.h"
#include "tests/contract/shell/shell_harness.h"

namespace contract {

namespace {

class FakeShellHarness final : public ShellHarness {
 public:
  FakeShellHarness() { files_.AddFolder(Scratch()); }
  platform::ShellLinks& Port() override { return links_; }
  std::string Scratch() override { return "C:\\links"; }
  bool MakeFolder(const std::string& path) override { return files_.CreateDirectoryA(path.c_str(), nullptr); }
  bool WriteFile(const std::string& path, const std::string& content) override {
    files_.AddFile(path, content);
    return true;
  }
  bool FileExists(const std::string& path) override { return files_.FileExists(path); }
  std::optional<SavedLink> ReadLink(const std::string& path) override {
    auto link = links_.LinkAt(path);
    if (!link || !files_.FileExists(path)) return std::nullopt;
    return SavedLink{link->target, link->workingDirectory};
  }

 private:
  platform::FakeFileSystem files_;
  platform::FakeShellLinks links_{files_};
};

}  // namespace

std::unique_ptr<ShellHarness> MakeShellHarness() { return std::make_unique<FakeShellHarness>(); }

}  // namespace contract
