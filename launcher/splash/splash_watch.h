// What the splash does on each tick of its timer: it closes as soon as a
// top-level window whose title begins with the product name exists, or the
// Java process has ended. Both checks run on every tick, in that order.
#pragma once

#include <string>
#include <utility>

#include "platform/process.h"
#include "platform/window_search.h"

namespace launcher {

inline constexpr UINT kSplashTimerId = 0;
inline constexpr UINT kSplashTickMs = 2000;
inline constexpr DWORD kProcessWaitMs = 100;  // the splash does not repaint meanwhile
inline constexpr int kWindowTitleBufferSize = 256;

// True when a top-level window's title begins with productName, byte for
// byte and with case significant. A title is read into a buffer of
// kWindowTitleBufferSize bytes.
bool ProductWindowExists(platform::WindowSearch& windows, const std::string& productName);

class SplashWatch {
 public:
  // The splash as the tick sees it. Closing a closed splash does nothing.
  class Splash {
   public:
    virtual ~Splash() = default;
    virtual void Close() = 0;
  };

  SplashWatch(platform::WindowSearch& windows, platform::Process& process, std::string productName)
      : windows_(windows), process_(process), productName_(std::move(productName)) {}

  // One tick. A failed wait counts as the process still running.
  void Tick(HANDLE javaProcess, Splash& splash) const;

 private:
  platform::WindowSearch& windows_;
  platform::Process& process_;
  std::string productName_;
};

}  // namespace launcher
