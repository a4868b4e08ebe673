// CSplashDlg inside the test program, where its window answers messages
// that Wine does not carry between processes (WM_GETICON and
// WM_QUERYDRAGICON): the application icon, the drag icon, painting while
// minimised, and the end of the modal run.
#include <gtest/gtest.h>
#include <windows.h>

#include "launcher/framework/win_app.h"
#include "launcher/resource.h"
#include "launcher/splash_dlg.h"

namespace {

framework::CWinApp application;

struct Seen {
  HWND splash = nullptr;
  LRESULT bigIcon = 0, smallIcon = 0, dragIcon = 0;
  bool minimised = false;
} seen;

// Runs inside the splash's modal loop, as a thread timer.
void CALLBACK Inspect(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  auto* splash = static_cast<CSplashDlg*>(application.m_pMainWnd);
  if (!splash || !splash->m_hWnd) return;
  HWND window = splash->m_hWnd;
  seen.splash = window;
  seen.bigIcon = ::SendMessageA(window, WM_GETICON, ICON_BIG, 0);
  seen.smallIcon = ::SendMessageA(window, WM_GETICON, ICON_SMALL, 0);
  seen.dragIcon = ::SendMessageA(window, WM_QUERYDRAGICON, 0, 0);
  ::ShowWindow(window, SW_MINIMIZE);
  ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);  // the minimised painting
  seen.minimised = ::IsIconic(window);
  ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
}

TEST(SplashDialog, CarriesTheApplicationIconAndEndsItsModalRunOnCancel) {
  application.m_hInstance = ::GetModuleHandleA(nullptr);
  HICON icon = ::LoadIconA(application.m_hInstance, MAKEINTRESOURCEA(IDR_MAINFRAME));
  ASSERT_NE(icon, nullptr);
  {
    CSplashDlg splash;
    EXPECT_EQ(splash.m_hIcon, icon) << "the shared resource icon, loaded on construction";
    splash.m_hProcess = ::GetCurrentProcess();  // runs on for the whole test
    application.m_pMainWnd = &splash;
    ::SetTimer(nullptr, 0, 300, Inspect);
    EXPECT_EQ(splash.DoModal(), IDCANCEL);
    EXPECT_EQ(splash.m_hWnd, nullptr) << "the window went with the modal run";
  }
  EXPECT_EQ(application.m_pMainWnd, nullptr) << "no pointer to the splash is left";
  ASSERT_NE(seen.splash, nullptr) << "the inspection never ran";
  EXPECT_FALSE(::IsWindow(seen.splash));
  EXPECT_EQ(seen.bigIcon, reinterpret_cast<LRESULT>(icon));
  EXPECT_EQ(seen.smallIcon, reinterpret_cast<LRESULT>(icon));
  EXPECT_EQ(seen.dragIcon, reinterpret_cast<LRESULT>(icon));
  EXPECT_TRUE(seen.minimised);
}

}  // namespace
