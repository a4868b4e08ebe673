#include "platform/win32/win32_clock.h"

#include <windows.h>

namespace platform {

long long Win32Clock::Microseconds() {
  // Neither fails from Windows XP on; the frequency is fixed at boot.
  LARGE_INTEGER frequency, now;
  ::QueryPerformanceFrequency(&frequency);
  ::QueryPerformanceCounter(&now);
  if (frequency.QuadPart <= 0) return 0;
  // Seconds and the rest apart: counts times a million overflow after
  // some days of uptime at a 10 MHz frequency.
  const long long seconds = now.QuadPart / frequency.QuadPart;
  const long long rest = now.QuadPart % frequency.QuadPart;
  return seconds * 1000000 + rest * 1000000 / frequency.QuadPart;
}

}  // namespace platform
