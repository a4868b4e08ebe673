// The splash's tick against a desktop and processes on paper: which windows
// close it, the end of the Java process, and both checks on every tick.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launcher/splash/splash_watch.h"
#include "platform/fake/fake_process.h"
#include "platform/fake/fake_window_search.h"

namespace {

const std::string kProductName = "Tessal";

class CountingSplash final : public launcher::SplashWatch::Splash {
 public:
  void Close() override { ++closes; }
  int closes = 0;
};

// The fake's processes, with every wait written down.
class WatchedProcess final : public platform::Process {
 public:
  BOOL CreateProcessA(LPCSTR application, LPSTR line, LPSECURITY_ATTRIBUTES process, LPSECURITY_ATTRIBUTES thread,
                      BOOL inherit, DWORD flags, LPVOID environment, LPCSTR folder, LPSTARTUPINFOA startup,
                      LPPROCESS_INFORMATION info) override {
    return fake.CreateProcessA(application, line, process, thread, inherit, flags, environment, folder, startup, info);
  }
  void GetStartupInfoA(LPSTARTUPINFOA startup) override { fake.GetStartupInfoA(startup); }
  UINT GetSystemDirectoryA(LPSTR buffer, UINT size) override { return fake.GetSystemDirectoryA(buffer, size); }
  DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds) override {
    waits.push_back(milliseconds);
    return fake.WaitForSingleObject(handle, milliseconds);
  }
  BOOL CloseHandle(HANDLE handle) override { return fake.CloseHandle(handle); }
  DWORD GetLastError() override { return fake.GetLastError(); }

  platform::FakeProcess fake;
  std::vector<DWORD> waits;
};

class SplashTick : public ::testing::Test {
 protected:
  SplashTick() {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    char line[] = "\"C:\\Java\\bin\\javaw.exe\"  -jar \"C:\\Tessal\\tessal.jar\" ";
    process.CreateProcessA(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, "C:\\Tessal", &startup, &info);
    java = info.hProcess;
    windows.OpenWindow("");  // the splash itself
  }

  int Tick() {
    CountingSplash splash;
    watch.Tick(java, splash);
    return splash.closes;
  }

  platform::FakeWindowSearch windows;
  WatchedProcess process;
  launcher::SplashWatch watch{windows, process, kProductName};
  HANDLE java = nullptr;
};

struct DesktopCase {
  const char* name;
  std::vector<std::string> titles;  // opened in this order: the last is on top
  bool closes;
};

class SplashTickWindows : public SplashTick, public ::testing::WithParamInterface<DesktopCase> {};

TEST_P(SplashTickWindows, CloseAtTheFirstTickOnlyForATitleBeginningWithTheProductName) {
  for (const std::string& title : GetParam().titles) windows.OpenWindow(title);
  EXPECT_EQ(Tick(), GetParam().closes ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    SplashTick, SplashTickWindows,
    ::testing::Values(DesktopCase{"TitleBeginsWithTheName", {"Tessal - 会議 資料.xml"}, true},
                      DesktopCase{"TitleIsTheName", {"Tessal"}, true},
                      DesktopCase{"MatchBelowOtherWindows", {"Tessal", "Java Console", "表示"}, true},
                      DesktopCase{"OnlyTheSplashItself", {}, false},
                      DesktopCase{"ShorterThanTheName", {"Tessa", "T"}, false},
                      DesktopCase{"DifferentCase", {"tessal", "TESSAL - 文書.xml", "TessaL"}, false},
                      DesktopCase{"NameNotAtTheStart", {"About Tessal", " Tessal"}, false},
                      DesktopCase{"LongerThanTheTitleBuffer", {std::string(1000, 'x')}, false},
                      DesktopCase{"LongTitleBeginningWithTheName", {"Tessal" + std::string(1000, '-')}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SplashTick, TheSearchStopsAtTheFirstMatch) {
  windows.OpenWindow("Tessal - b.xml");
  windows.OpenWindow("Tessal - a.xml");
  EXPECT_TRUE(launcher::ProductWindowExists(windows, kProductName));
  EXPECT_EQ(windows.LastVisited(), 1);
}

TEST_F(SplashTick, TheEndOfTheJavaProcessClosesIt) {
  EXPECT_EQ(Tick(), 0) << "running";
  process.fake.EndProcess(java);
  EXPECT_EQ(Tick(), 1);
  EXPECT_EQ(process.waits, (std::vector<DWORD>{100, 100})) << "a wait of at most 100 ms each tick";
}

TEST_F(SplashTick, AFailedWaitKeepsItOpen) {
  java = reinterpret_cast<HANDLE>(0xBAD0);  // not a process handle: the wait fails
  ASSERT_EQ(process.WaitForSingleObject(java, 0), static_cast<DWORD>(WAIT_FAILED));
  EXPECT_EQ(Tick(), 0);
}

TEST_F(SplashTick, BothChecksRunOnEveryTickEvenAfterTheFirstClosedIt) {
  windows.OpenWindow("Tessal");
  EXPECT_EQ(Tick(), 1);
  EXPECT_EQ(process.waits.size(), 1u) << "the process was waited on after the window had closed the splash";

  process.fake.EndProcess(java);
  EXPECT_EQ(Tick(), 2) << "a window and the process end both close it";
}

TEST_F(SplashTick, AWindowThatComesUpLaterClosesItAtTheNextTick) {
  EXPECT_EQ(Tick(), 0);
  HWND application = windows.OpenWindow("Tessal - stand-in");
  EXPECT_EQ(Tick(), 1);
  windows.CloseWindow(application);
  EXPECT_EQ(Tick(), 0) << "the search looks again on every tick";
}

}  // namespace
