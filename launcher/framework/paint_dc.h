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

}  // namespace framework
