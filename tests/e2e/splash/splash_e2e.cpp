// The splash of the real tessal.exe under Wine: where and how it appears,
// which windows and process ends close it and when, a click, and the end of
// the launcher with it while the Java runtime runs on. Close delays are
// measured and printed.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

#include "tests/e2e/splash/splash_session.h"

namespace {

using splash_e2e::Now;
using splash_e2e::SplashSession;
using splash_e2e::StandIn;
using splash_e2e::WhenGone;

constexpr double kTickMs = 2000;
constexpr double kLateMs = 300;  // a tick's message and the 5 ms polling may come this late under load
constexpr DWORD kRunOn = 60000;

bool Running(HANDLE process) { return process && ::WaitForSingleObject(process, 0) == WAIT_TIMEOUT; }

// The launcher ends with its splash; the Java runtime runs on.
void ExpectLauncherEndedAndStandInRunning(SplashSession& session, HANDLE standIn) {
  EXPECT_EQ(e2e::WaitForExit(session.Launcher(), 5000), 0) << "the launcher ends when the splash closes";
  EXPECT_TRUE(Running(standIn)) << "the Java runtime runs on";
}

TEST(SplashE2E, AppearsTopMostCentredOnTheWorkAreaWithThePicturesOuterSize) {
  SplashSession session;
  ASSERT_TRUE(session.StartLauncher(StandIn{"", 0, kRunOn}));
  HWND splash = session.WaitForSplash();
  ASSERT_NE(splash, nullptr);

  EXPECT_TRUE(::GetWindowLongA(splash, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(e2e::WindowText(splash), "") << "no title";
  EXPECT_FALSE(::GetWindowLongA(splash, GWL_STYLE) & WS_CAPTION);
  splash_e2e::ExpectSizeCentredOnWorkArea(splash, 400, 130);

  HWND picture = ::GetDlgItem(splash, 1000);
  ASSERT_NE(picture, nullptr);
  RECT pictureRect;
  ::GetWindowRect(picture, &pictureRect);
  POINT origin = {0, 0};
  ::ClientToScreen(splash, &origin);
  EXPECT_EQ(pictureRect.left, origin.x) << "the picture sits at the client origin";
  EXPECT_EQ(pictureRect.top, origin.y);
  EXPECT_EQ(pictureRect.right - pictureRect.left, 400);
  EXPECT_EQ(pictureRect.bottom - pictureRect.top, 130);
  EXPECT_TRUE(e2e::Screenshot("splash_over_desktop"));
}

// What the user or the system does to the open splash, which closes it at once.
struct ActionCase {
  const char* name;
  void (*act)(HWND splash);
};

class SplashClosesAtOnce : public ::testing::TestWithParam<ActionCase> {};

TEST_P(SplashClosesAtOnce, AndTheLauncherEnds) {
  SplashSession session;
  ASSERT_TRUE(session.StartLauncher(StandIn{"", 0, kRunOn}));
  HWND splash = session.WaitForSplash();
  ASSERT_NE(splash, nullptr);
  HANDLE standIn = session.StandInProcess();
  ::Sleep(300);  // well before the first tick
  double acted = Now();
  GetParam().act(splash);
  double gone = WhenGone(splash);
  ASSERT_GE(gone, 0) << "still open";
  std::printf("%s: closed %.0f ms after it\n", GetParam().name, gone - acted);
  EXPECT_LT(gone - acted, 500);
  ExpectLauncherEndedAndStandInRunning(session, standIn);
}

INSTANTIATE_TEST_SUITE_P(
    SplashE2E, SplashClosesAtOnce,
    ::testing::Values(
        ActionCase{"ClickOnThePicture",
                   [](HWND splash) {
                     RECT outer;
                     ::GetWindowRect(splash, &outer);
                     splash_e2e::ClickAt(POINT{(outer.left + outer.right) / 2, (outer.top + outer.bottom) / 2});
                   }},
        ActionCase{"CancelCommand", [](HWND splash) { ::PostMessageA(splash, WM_COMMAND, IDCANCEL, 0); }},
        ActionCase{"OkCommand", [](HWND splash) { ::PostMessageA(splash, WM_COMMAND, IDOK, 0); }}),
    [](const auto& info) { return std::string(info.param.name); });

// What happens while the splash waits, and when it must close afterwards.
struct CloseCase {
  const char* name;
  StandIn orders;
  const char* event;  // "window": the stand-in's window appears; "exit": the stand-in ends
};

class SplashCloses : public ::testing::TestWithParam<CloseCase> {};

TEST_P(SplashCloses, AtTheFirstTickAfterTheEvent) {
  const CloseCase& row = GetParam();
  SplashSession session;
  ASSERT_TRUE(session.StartLauncher(row.orders));
  HWND splash = session.WaitForSplash();
  ASSERT_NE(splash, nullptr);
  HANDLE standIn = session.StandInProcess();
  ASSERT_NE(standIn, nullptr);

  double event = -1;
  if (std::string(row.event) == "window") {
    if (e2e::WaitForTopLevel(row.orders.title, 15000)) event = Now();
  } else if (::WaitForSingleObject(standIn, 15000) == WAIT_OBJECT_0) {
    event = Now();
  }
  ASSERT_GE(event, 0) << "the stand-in did not " << row.event;
  ASSERT_TRUE(::IsWindow(splash)) << "closed before the event";
  double gone = WhenGone(splash);
  ASSERT_GE(gone, 0) << "still open";
  std::printf("%s: closed %.0f ms after the event\n", row.name, gone - event);
  EXPECT_GE(gone - event, 0);
  EXPECT_LE(gone - event, kTickMs + kLateMs);
  EXPECT_EQ(e2e::WaitForExit(session.Launcher(), 5000), 0) << "the launcher ends when the splash closes";
  if (std::string(row.event) == "window") {
    EXPECT_TRUE(Running(standIn)) << "the Java runtime runs on";
  }
}

INSTANTIATE_TEST_SUITE_P(
    SplashE2E, SplashCloses,
    ::testing::Values(CloseCase{"ApplicationWindowBeforeTheFirstTick", StandIn{"Tessal - stand-in", 800, 0}, "window"},
                      CloseCase{"ApplicationWindowBetweenTicks", StandIn{"Tessal - stand-in", 3000, 0}, "window"},
                      CloseCase{"RuntimeEndsWithoutAWindow", StandIn{"", 3000, 0}, "exit"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SplashE2E, StaysOnTopWhileOnlyAWindowTitledOtherwiseExists) {
  SplashSession session;
  ASSERT_TRUE(session.StartLauncher(StandIn{"Java Console - Tessal", 0, 0}));
  HWND splash = session.WaitForSplash();
  ASSERT_NE(splash, nullptr);
  HANDLE standIn = session.StandInProcess();
  HWND other = e2e::WaitForTopLevel("Java Console - Tessal");
  ASSERT_NE(other, nullptr);

  ::Sleep(static_cast<DWORD>(2 * kTickMs + 500));  // two ticks
  EXPECT_TRUE(::IsWindowVisible(splash)) << "closed by a window whose title does not begin with the name";
  EXPECT_TRUE(::GetWindowLongA(splash, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(::GetWindowLongA(other, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(splash_e2e::IsAbove(splash, other)) << "the splash stays above it";
  // Wine without a window manager maps another process's new window on top
  // of the X stack whatever the Win32 order, and restacks only on a change
  // of that order: leaving the top-most band and entering it again makes the
  // screen show the order the assertions above have checked.
  ::SetWindowPos(splash, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ::SetWindowPos(splash, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_TRUE(e2e::Screenshot("splash_over_other_window"));

  // Its process ends with the window: then the splash closes at the next tick.
  ::PostMessageA(other, WM_CLOSE, 0, 0);
  ASSERT_EQ(::WaitForSingleObject(standIn, 15000), WAIT_OBJECT_0);
  double ended = Now();
  double gone = WhenGone(splash);
  ASSERT_GE(gone, 0) << "still open after the runtime ended";
  std::printf("closed %.0f ms after the runtime ended\n", gone - ended);
  EXPECT_LE(gone - ended, kTickMs + kLateMs);
  EXPECT_EQ(e2e::WaitForExit(session.Launcher(), 5000), 0);
}

TEST(SplashE2E, AnExistingProductWindowClosesItAtTheFirstTick) {
  SplashSession session;
  e2e::Started earlier = session.StartOther(StandIn{"Tessal", 0, 0});
  ASSERT_TRUE(earlier.ok());
  ASSERT_NE(e2e::WaitForTopLevel("Tessal"), nullptr);

  ASSERT_TRUE(session.StartLauncher(StandIn{"", 0, kRunOn}));
  HWND splash = session.WaitForSplash();
  ASSERT_NE(splash, nullptr);
  double shown = Now();
  HANDLE standIn = session.StandInProcess();
  double gone = WhenGone(splash);
  ASSERT_GE(gone, 0) << "still open";
  std::printf("closed %.0f ms after it appeared\n", gone - shown);
  EXPECT_GE(gone - shown, kTickMs - 400) << "not before the first tick";
  EXPECT_LE(gone - shown, kTickMs + kLateMs);
  ExpectLauncherEndedAndStandInRunning(session, standIn);
  EXPECT_TRUE(Running(earlier.process));
}

}  // namespace
