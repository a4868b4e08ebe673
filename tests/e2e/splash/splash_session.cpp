#include "tests/e2e/splash/splash_session.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace splash_e2e {

void ExpectSizeCentredOnWorkArea(HWND splash, int width, int height) {
  RECT outer, work;
  ::GetWindowRect(splash, &outer);
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(outer.right - outer.left, width);
  EXPECT_EQ(outer.bottom - outer.top, height);
  EXPECT_EQ(outer.left, work.left + (work.right - work.left - width) / 2);
  EXPECT_EQ(outer.top, work.top + (work.bottom - work.top - height) / 2);
  std::printf("splash at (%ld, %ld)-(%ld, %ld) on the work area (%ld, %ld)-(%ld, %ld)\n", outer.left, outer.top,
              outer.right, outer.bottom, work.left, work.top, work.right, work.bottom);
}

namespace {

const std::string kInstall = "C:\\Program Files\\Tessal スプラッシュ";
const std::string kJavaHome = "C:\\Java Runtime\\jre 1.4";
const std::string kJavaw = kJavaHome + "\\bin\\javaw.exe";
const std::string kPidFile = "C:\\splash_stand_in.pid";
const std::string kRuntimeKey = "SOFTWARE\\JavaSoft\\Java Runtime Environment";

struct SplashSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK MatchSplash(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<SplashSearch*>(param);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId && ::IsWindowVisible(window) && e2e::ClassName(window) == "#32770") {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

void EndProcess(HANDLE process) {
  if (!process) return;
  ::TerminateProcess(process, 1);
  ::WaitForSingleObject(process, 5000);
  ::CloseHandle(process);
}

}  // namespace

SplashSession::SplashSession() {
  e2e::MakeFolders(kInstall);
  e2e::MakeFolders(kJavaHome + "\\bin");
  ::CopyFileA(e2e::WindowsPath(TESSAL_EXE).c_str(), (kInstall + "\\tessal.exe").c_str(), FALSE);
  ::CopyFileA(e2e::WindowsPath(TESSAL_SPLASH_STAND_IN).c_str(), kJavaw.c_str(), FALSE);
  e2e::WriteFile(kInstall + "\\tessal.jar", "PK");
  e2e::SetRegString(HKEY_LOCAL_MACHINE, kRuntimeKey, "CurrentVersion", "1.4");
  e2e::SetRegString(HKEY_LOCAL_MACHINE, kRuntimeKey + "\\1.4", "JavaHome", kJavaHome);
  ::DeleteFileA(kPidFile.c_str());
}

SplashSession::~SplashSession() {
  StandInProcess(2000);
  EndProcess(standIn_);
  EndProcess(other_.process);
  if (launcher_.process && e2e::WaitForExit(launcher_, 5000) == -1) e2e::Kill(launcher_);
  EndProcess(launcher_.process);
  e2e::RemoveTree(kInstall);
  e2e::RemoveTree("C:\\Java Runtime");
  e2e::DeleteRegTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\JavaSoft");
  ::DeleteFileA(kPidFile.c_str());
}

void SplashSession::SetOrders(const StandIn& orders) {
  ::SetEnvironmentVariableA("TESSAL_SPLASH_TITLE", orders.title.empty() ? nullptr : orders.title.c_str());
  ::SetEnvironmentVariableA("TESSAL_SPLASH_DELAY_MS", std::to_string(orders.delayMs).c_str());
  ::SetEnvironmentVariableA("TESSAL_SPLASH_STAY_MS", std::to_string(orders.stayMs).c_str());
}

bool SplashSession::StartLauncher(const StandIn& orders) {
  SetOrders(orders);
  ::SetEnvironmentVariableA("TESSAL_SPLASH_PID_FILE", kPidFile.c_str());
  launcher_ = e2e::Start("\"" + kInstall + "\\tessal.exe\"", "C:\\");
  ::SetEnvironmentVariableA("TESSAL_SPLASH_PID_FILE", nullptr);
  return launcher_.ok();
}

e2e::Started SplashSession::StartOther(const StandIn& orders) {
  SetOrders(orders);
  other_ = e2e::Start("\"" + kJavaw + "\"", "C:\\");
  return other_;
}

HWND SplashSession::WaitForSplash(DWORD timeoutMs) {
  for (DWORD start = ::GetTickCount(); ::GetTickCount() - start < timeoutMs; ::Sleep(5)) {
    SplashSearch search{launcher_.id, nullptr};
    ::EnumWindows(MatchSplash, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
  }
  return nullptr;
}

HANDLE SplashSession::StandInProcess(DWORD timeoutMs) {
  for (DWORD start = ::GetTickCount(); !standIn_ && ::GetTickCount() - start < timeoutMs; ::Sleep(5)) {
    std::string pid = e2e::ReadFile(kPidFile);
    if (pid == "<missing>") continue;
    standIn_ = ::OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION, FALSE,
                             static_cast<DWORD>(std::strtoul(pid.c_str(), nullptr, 10)));
  }
  return standIn_;
}

double Now() {
  LARGE_INTEGER count, frequency;
  ::QueryPerformanceCounter(&count);
  ::QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double WhenGone(HWND window, DWORD timeoutMs) {
  for (double start = Now(); Now() - start < timeoutMs; ::Sleep(5))
    if (!::IsWindow(window)) return Now();
  return -1;
}

bool IsAbove(HWND upper, HWND lower) {
  for (HWND window = ::GetWindow(lower, GW_HWNDPREV); window; window = ::GetWindow(window, GW_HWNDPREV))
    if (window == upper) return true;
  return false;
}

void ClickAt(POINT screen) {
  INPUT inputs[3] = {};
  const int width = ::GetSystemMetrics(SM_CXSCREEN), height = ::GetSystemMetrics(SM_CYSCREEN);
  for (INPUT& input : inputs) {
    input.type = INPUT_MOUSE;
    // Absolute positions run from 0 to 65535 across the screen.
    input.mi.dx = static_cast<LONG>((screen.x * 65536LL + width / 2) / width);
    input.mi.dy = static_cast<LONG>((screen.y * 65536LL + height / 2) / height);
  }
  inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
  inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
  ::SendInput(3, inputs, sizeof(INPUT));
}

}  // namespace splash_e2e
