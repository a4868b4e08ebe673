// One launcher run under Wine for the splash tests: tessal.exe installed
// beside an archive, the splash stand-in registered as the Java runtime,
// and the means to find the splash, time its end and click it.
#pragma once

#include <windows.h>

#include <string>

#include "tests/e2e/driver/driver.h"

namespace splash_e2e {

// What the stand-in Java runtime is to do (see splash_stand_in.cpp).
struct StandIn {
  std::string title;  // "" for no window
  DWORD delayMs = 0;
  DWORD stayMs = 0;
};

// The splash's outer size is width x height, centred on the work area.
void ExpectSizeCentredOnWorkArea(HWND splash, int width, int height);

class SplashSession {
 public:
  SplashSession();
  ~SplashSession();
  SplashSession(const SplashSession&) = delete;
  SplashSession& operator=(const SplashSession&) = delete;

  // Starts the launcher, which starts the stand-in with these orders.
  bool StartLauncher(const StandIn& orders);
  // Starts a stand-in directly, outside the launcher (another application).
  e2e::Started StartOther(const StandIn& orders);

  // The launcher's splash once it is visible: the top-level dialog window
  // of the launcher's process; nullptr after the time.
  HWND WaitForSplash(DWORD timeoutMs = e2e::kDefaultWaitMs);
  // The stand-in that the launcher started, once it has said who it is.
  HANDLE StandInProcess(DWORD timeoutMs = e2e::kDefaultWaitMs);

  const e2e::Started& Launcher() const { return launcher_; }

 private:
  void SetOrders(const StandIn& orders);

  e2e::Started launcher_;
  HANDLE standIn_ = nullptr;
  e2e::Started other_;
};

// Milliseconds since an arbitrary start, finer than GetTickCount's steps.
double Now();
// When the window goes (polled every 5 ms); negative after the time.
double WhenGone(HWND window, DWORD timeoutMs = 15000);
// Whether upper comes before lower in the desktop's z-order.
bool IsAbove(HWND upper, HWND lower);
// A press and release of the left button at this screen point, as a user's.
void ClickAt(POINT screen);

}  // namespace splash_e2e
