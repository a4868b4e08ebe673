// Painting a window's invalid part: the device context lives from
// BeginPaint to EndPaint, the lifetime of the object.
#pragma once

#include "launcher/framework/wnd.h"

namespace framework {

class CPaintDC {
 public:
  explicit CPaintDC(CWnd* window) : window_(window->m_hWnd) { m_hDC = ::BeginPaint(window_, &m_ps); }
  ~CPaintDC() { ::EndPaint(window_, &m_ps); }
  CPaintDC(const CPaintDC&) = delete;
  CPaintDC& operator=(const CPaintDC&) = delete;

  BOOL DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }

  HDC m_hDC = nullptr;
  PAINTSTRUCT m_ps{};

 private:
  HWND window_;
};

// A measurement of the system's user interface, such as SM_CXICON.
inline int GetSystemMetrics(int index) { return ::GetSystemMetrics(index); }

// The system DPI: 96 at the standard text size, 144 at 150 %.
inline int GetSystemDpi() {
  HDC screen = ::GetDC(nullptr);
  int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  return dpi;
}

// number * numerator / denominator, rounded to the nearest.
inline int MulDiv(int number, int numerator, int denominator) { return ::MulDiv(number, numerator, denominator); }

}  // namespace framework
