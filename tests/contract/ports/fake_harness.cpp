#include "platform/fake/fake_append_file.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_registry.h"
#include "tests/contract/ports/harness.h"

namespace contract {

namespace {

class FakeFileSystemHarness final : public FileSystemHarness {
 public:
  FakeFileSystemHarness() {
    files_.AddFolder(kScratch);
    files_.SetModulePath("C:\\tests\\file_system_contract.exe");
  }
  platform::FileSystem& Port() override { return files_; }
  platform::AppendFile& Appender() override { return appender_; }
  std::string Scratch() override { return kScratch; }
  void WriteFile(const std::string& path, const std::string& content) override { files_.AddFile(path, content); }
  std::string ReadFile(const std::string& path) override { return files_.FileContent(path).value_or("<missing>"); }
  void HoldOpen(const std::string& path, bool held) override { files_.HoldOpen(path, held); }
  bool CopyRefusesReadOnlyTarget() override { return true; }

 private:
  static constexpr const char* kScratch = "C:\\contract";
  platform::FakeFileSystem files_;
  platform::FakeAppendFile appender_{files_};
};

class FakeRegistryHarness final : public RegistryHarness {
 public:
  explicit FakeRegistryHarness(bool sixtyFourBitWindows = false) {
    registry_.SetSixtyFourBitWindows(sixtyFourBitWindows);
  }
  platform::Registry& Port() override { return registry_; }
  std::string MachineScratchKey() override { return "SOFTWARE\\TessalContractViews"; }
  std::string ScratchKey() override { return "Software\\TessalContract\\Scratch"; }
  void SetUnterminatedString(const std::string& keyPath, const std::string& name, const std::string& text) override {
    registry_.SetRaw("HKEY_CURRENT_USER\\" + keyPath, name, REG_SZ, text);
  }
  void DenyWrite(HKEY root, const std::string& keyPath) override {
    std::string rootName = root == HKEY_LOCAL_MACHINE  ? "HKEY_LOCAL_MACHINE"
                           : root == HKEY_CLASSES_ROOT ? "HKEY_CLASSES_ROOT"
                                                       : "HKEY_CURRENT_USER";
    registry_.DenyWrite(rootName + "\\" + keyPath);
  }

 private:
  platform::FakeRegistry registry_;
};

}  // namespace

std::unique_ptr<FileSystemHarness> MakeFileSystemHarness() { return std::make_unique<FakeFileSystemHarness>(); }
std::unique_ptr<RegistryHarness> MakeRegistryHarness() { return std::make_unique<FakeRegistryHarness>(); }
std::unique_ptr<RegistryHarness> MakeRegistryHarnessOn(bool sixtyFourBitWindows) {
  return std::make_unique<FakeRegistryHarness>(sixtyFourBitWindows);
}

}  // namespace contract
