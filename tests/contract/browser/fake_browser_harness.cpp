#include "platform/fake/fake_folder_browser.h"
#include "tests/contract/browser/browser_harness.h"

namespace contract {

namespace {

class FakeBrowserHarness final : public BrowserHarness {
 public:
  FakeBrowserHarness() { browser_.SetThreadWindows({{kWindow, true}}); }
  platform::FolderBrowser& Port() override { return browser_; }
  std::string Folder() override { return "C:\\browse_contract"; }
  void AnswerNextBrowse(bool ok) override {
    if (ok)
      browser_.PressOkNext();
    else
      browser_.ChooseNext(std::nullopt);
  }
  HWND OwnWindow() override { return kWindow; }
  bool IsEnabled(HWND window) override { return browser_.WindowEnabled(window); }

 private:
  static inline HWND const kWindow = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(0x77));
  platform::FakeFolderBrowser browser_;
};

}  // namespace

std::unique_ptr<BrowserHarness> MakeBrowserHarness() { return std::make_unique<FakeBrowserHarness>(); }

}  // namespace contract
