#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_handover.h"
#include "platform/fake/fake_shell_link_reader.h"
#include "platform/fake/fake_shell_links.h"
#include "platform/fake/fake_system_folders.h"
#include "tests/contract/uninstall_ports/harness.h"
#include "tests/contract/uninstall_ports/setup_like_link.h"

namespace contract {

namespace {

class FakeUninstallPortsHarness final : public UninstallPortsHarness {
 public:
  FakeUninstallPortsHarness() {
    files_.AddFolder(Scratch());
    files_.AddFolder("C:\\TEMP");
    // As a Wine prefix has them.
    files_.AddFolder("C:\\windows");
    system_.SetFolder(CSIDL_WINDOWS, "C:\\windows");
    system_.SetVariable("SystemRoot", "C:\\windows");
  }
  platform::ShellLinkReader& Reader() override { return reader_; }
  platform::Handover& Handover() override { return handover_; }
  platform::SystemFolders& System() override { return system_; }
  std::string ReadFile(const std::string& path) override { return files_.FileContent(path).value_or("<missing>"); }
  std::string Scratch() override { return "C:\\scratch"; }
  bool MakeFolder(const std::string& path) override { return files_.CreateDirectoryA(path.c_str(), nullptr); }
  bool RemoveFolder(const std::string& path) override { return files_.RemoveDirectoryA(path.c_str()); }
  // The fake file system has no moves: an empty folder's is its removal and a new one.
  bool MoveFolder(const std::string& path, const std::string& newPath) override {
    return files_.GetFileAttributesA(newPath.c_str()) == INVALID_FILE_ATTRIBUTES &&
           files_.RemoveDirectoryA(path.c_str()) && files_.CreateDirectoryA(newPath.c_str(), nullptr);
  }
  bool WriteFile(const std::string& path, const std::string& content) override {
    files_.AddFile(path, content);
    return true;
  }
  bool FileExists(const std::string& path) override { return files_.FileExists(path); }
  bool FolderExists(const std::string& path) override {
    DWORD attributes = files_.GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
  }
  bool WriteLink(const std::string& target, const std::string& linkPath, const std::string& folder) override {
    return SaveLinkAsSetupDoes(writer_, target, linkPath, folder);
  }

 private:
  platform::FakeFileSystem files_;
  platform::FakeShellLinks writer_{files_};
  platform::FakeShellLinkReader reader_{files_};
  platform::FakeHandover handover_{files_};
  platform::FakeSystemFolders system_;
};

}  // namespace

std::unique_ptr<UninstallPortsHarness> MakeUninstallPortsHarness() {
  return std::make_unique<FakeUninstallPortsHarness>();
}

}  // namespace contract
