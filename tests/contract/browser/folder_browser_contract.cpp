// The folder-browser port: the fake must answer as the shell does.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "tests/contract/browser/browser_harness.h"
#include "tests/support/bytes.h"

namespace {

struct Start {
  platform::FolderBrowser* port;
  const char* folder;
  const std::vector<HWND>* enableOnClose;
};

int CALLBACK SelectOnStart(HWND dialog, UINT message, LPARAM, LPARAM data) {
  auto* start = reinterpret_cast<Start*>(data);
  if (message != BFFM_INITIALIZED) return 0;
  if (start->enableOnClose) start->port->EnableWindowsOnClose(dialog, *start->enableOnClose);
  start->port->SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(start->folder));
  return 0;
}

class FolderBrowserContract : public ::testing::Test {
 protected:
  std::unique_ptr<contract::BrowserHarness> harness = contract::MakeBrowserHarness();
  platform::FolderBrowser& browser = harness->Port();

  // One browse that selects start when it opens; the path chosen, or
  // "<cancelled>".
  std::string Browse(const std::string& start, bool ok, const std::vector<HWND>* enableOnClose = nullptr) {
    char display[MAX_PATH] = {};
    Start context{&browser, start.c_str(), enableOnClose};
    BROWSEINFOA info = {};
    info.pszDisplayName = display;
    info.lpszTitle = "contract";
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = SelectOnStart;
    info.lParam = reinterpret_cast<LPARAM>(&context);
    harness->AnswerNextBrowse(ok);
    LPITEMIDLIST chosen = browser.SHBrowseForFolderA(&info);
    if (!chosen) return "<cancelled>";
    char path[MAX_PATH] = {};
    EXPECT_TRUE(browser.SHGetPathFromIDListA(chosen, path));
    std::unique_ptr<platform::ShellMalloc> malloc;
    if (SUCCEEDED(browser.SHGetMalloc(&malloc))) malloc->Free(chosen);
    return path;
  }
};

TEST_F(FolderBrowserContract, OkReturnsTheSelectedFolderAndCancelReturnsNothing) {
  EXPECT_EQ(Browse(harness->Folder(), false), "<cancelled>");
  EXPECT_BYTES(Browse(harness->Folder(), true), harness->Folder());
}

TEST_F(FolderBrowserContract, TheAllocatorAndTheDesktopFolderAreThere) {
  std::unique_ptr<platform::ShellMalloc> malloc;
  ASSERT_EQ(browser.SHGetMalloc(&malloc), S_OK);
  ASSERT_NE(malloc, nullptr);
  void* block = malloc->Alloc(MAX_PATH);
  ASSERT_NE(block, nullptr);
  std::memset(block, 0, MAX_PATH);
  malloc->Free(block);

  std::unique_ptr<platform::DesktopFolder> desktop;
  ASSERT_EQ(browser.SHGetDesktopFolder(&desktop), S_OK);
  WCHAR root[] = {'C', ':', '\\', 0};
  LPITEMIDLIST list = nullptr;
  EXPECT_EQ(desktop->ParseDisplayName(nullptr, root, &list), S_OK);
  EXPECT_NE(list, nullptr);
  if (list) malloc->Free(list);
}

TEST_F(FolderBrowserContract, ThreadWindowsAreDisabledAndEnabledAgain) {
  HWND own = harness->OwnWindow();
  ASSERT_TRUE(harness->IsEnabled(own));
  std::vector<HWND> disabled = browser.DisableThreadWindows();
  EXPECT_NE(std::find(disabled.begin(), disabled.end(), own), disabled.end());
  EXPECT_FALSE(harness->IsEnabled(own));
  browser.EnableWindows(disabled);
  EXPECT_TRUE(harness->IsEnabled(own));
}

TEST_F(FolderBrowserContract, WindowsToEnableOnCloseAreEnabledWhenTheDialogHasClosed) {
  HWND own = harness->OwnWindow();
  for (bool ok : {true, false}) {
    SCOPED_TRACE(ok ? "OK" : "Cancel");
    std::vector<HWND> disabled = browser.DisableThreadWindows();
    ASSERT_FALSE(harness->IsEnabled(own));
    Browse(harness->Folder(), ok, &disabled);
    EXPECT_TRUE(harness->IsEnabled(own));
    browser.EnableWindows(disabled);  // a second enabling changes nothing
    EXPECT_TRUE(harness->IsEnabled(own));
  }
}

TEST_F(FolderBrowserContract, ComIsInitialisedOncePerThreadAndNestedCallsSayFalse) {
  HRESULT first = browser.CoInitialize(nullptr);
  ASSERT_TRUE(SUCCEEDED(first));
  EXPECT_EQ(browser.CoInitialize(nullptr), S_FALSE);
  browser.CoUninitialize();
  browser.CoUninitialize();
}

}  // namespace
