// The reading shell-link port in memory: it loads the link files that
// FakeShellLinks saves into the fake file system, so a test can write links
// the way the setup program does and read them back the way the uninstaller
// does. Any other file fails to load, as a file that is no link does on
// Windows. COM must be initialised before a link object can be made.
#pragma once

#include "platform/fake/fake_file_system.h"
#include "platform/shell_link_reader.h"

namespace platform {

class FakeShellLinkReader final : public ShellLinkReader {
 public:
  explicit FakeShellLinkReader(FakeFileSystem& files) : files_(files) {}

  HRESULT CoInitialize(LPVOID reserved) override;
  void CoUninitialize() override;
  HRESULT CoCreateLinkReader(std::unique_ptr<LinkReader>* link) override;
  int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int textLength, LPWSTR wide,
                          int wideLength) override;

  int ComDepth() const { return comDepth_; }
  int LiveObjects() const { return *liveObjects_; }

 private:
  FakeFileSystem& files_;
  int comDepth_ = 0;
  std::shared_ptr<int> liveObjects_ = std::make_shared<int>(0);
};

}  // namespace platform
