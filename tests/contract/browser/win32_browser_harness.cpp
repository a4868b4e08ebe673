#include <windows.h>

#include <thread>

#include "platform/win32/win32_folder_browser.h"
#include "tests/contract/browser/browser_harness.h"
#include "tests/e2e/driver/driver.h"

namespace contract {

namespace {

// The shell's browse dialog, as Wine names it in the Japanese locale.
const std::string kBrowseCaption = "フォルダーの参照";

class Win32BrowserHarness final : public BrowserHarness {
 public:
  Win32BrowserHarness() {
    e2e::MakeFolders(Folder());
    window_ = ::CreateWindowA("STATIC", "browser contract", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100, nullptr,
                              nullptr, nullptr, nullptr);
    ::CoInitialize(nullptr);
  }
  ~Win32BrowserHarness() override {
    if (answerer_.joinable()) answerer_.join();
    ::DestroyWindow(window_);
    e2e::RemoveTree(Folder());
    ::CoUninitialize();
  }
  platform::FolderBrowser& Port() override { return browser_; }
  std::string Folder() override { return "C:\\browse_contract"; }
  void AnswerNextBrowse(bool ok) override {
    if (answerer_.joinable()) answerer_.join();
    // The dialog runs modally on this thread: another thread answers it.
    answerer_ = std::thread([ok] {
      HWND dialog = e2e::WaitForTopLevel(kBrowseCaption);
      if (!dialog) return;
      ::Sleep(500);  // let the selection settle
      e2e::Click(::GetDlgItem(dialog, ok ? IDOK : IDCANCEL));
    });
  }
  HWND OwnWindow() override { return window_; }
  bool IsEnabled(HWND window) override { return ::IsWindowEnabled(window); }

 private:
  platform::Win32FolderBrowser browser_;
  HWND window_ = nullptr;
  std::thread answerer_;
};

}  // namespace

std::unique_ptr<BrowserHarness> MakeBrowserHarness() { return std::make_unique<Win32BrowserHarness>(); }

}  // namespace contract
