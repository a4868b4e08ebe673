#include <windows.h>

#include "platform/win32/win32_clock.h"
#include "tests/contract/clock/clock_harness.h"

namespace contract {

platform::Clock& TheClock() {
  static platform::Win32Clock clock;
  return clock;
}

void Wait(int milliseconds) { ::Sleep(static_cast<DWORD>(milliseconds)); }

}  // namespace contract
