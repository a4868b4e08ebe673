#include "launcher/splash/splash_watch.h"

#include <cstring>

namespace launcher {

namespace {

struct Search {
  platform::WindowSearch& windows;
  const std::string& productName;
  bool found;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  char title[kWindowTitleBufferSize] = {};
  int length = search->windows.GetWindowTextA(window, title, sizeof title);
  const std::string& name = search->productName;
  // A shorter title, the splash's own empty one among them, never matches.
  if (length >= static_cast<int>(name.size()) && std::memcmp(title, name.data(), name.size()) == 0) {
    search->found = true;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

bool ProductWindowExists(platform::WindowSearch& windows, const std::string& productName) {
  Search search{windows, productName, false};
  // The result only says whether the walk was stopped; the flag says why.
  windows.EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void SplashWatch::Tick(HANDLE javaProcess, Splash& splash) const {
  if (ProductWindowExists(windows_, productName_)) splash.Close();
  if (process_.WaitForSingleObject(javaProcess, kProcessWaitMs) == WAIT_OBJECT_0) splash.Close();
}

}  // namespace launcher
