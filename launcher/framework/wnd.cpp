#include "launcher/framework/wnd.h"

#include "launcher/framework/win_app.h"

namespace framework {

namespace {
constexpr char kObjectProperty[] = "framework.CWnd";
}

CWnd::~CWnd() {
  // An object that dies before its window stops receiving its messages.
  if (m_hWnd && ::IsWindow(m_hWnd)) {
    ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(originalProc_));
    ::RemovePropA(m_hWnd, kObjectProperty);
  }
}

CWnd* CWnd::FromHandle(HWND window) { return static_cast<CWnd*>(::GetPropA(window, kObjectProperty)); }

void CWnd::Bind(HWND window) {
  m_hWnd = window;
  ::SetPropA(window, kObjectProperty, this);
  originalProc_ = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StaticWindowProc)));
}

BOOL CWnd::SubclassWindow(HWND window) {
  if (m_hWnd || !window || ::GetPropA(window, kObjectProperty)) return FALSE;
  Bind(window);
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) { return SubclassWindow(::GetDlgItem(parent->m_hWnd, id)); }

BOOL CWnd::DestroyWindow() { return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE; }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon) {
  return reinterpret_cast<HICON>(
      SendMessage(WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

void CWnd::CenterWindow() {
  RECT work, own;
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  GetWindowRect(&own);
  int width = own.right - own.left, height = own.bottom - own.top;
  int x = work.left + (work.right - work.left - width) / 2;
  int y = work.top + (work.bottom - work.top - height) / 2;
  SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CWnd::Default() {
  return ::CallWindowProcA(originalProc_, m_hWnd, current_.message, current_.wParam, current_.lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:  // int OnCreate(LPCREATESTRUCTA); -1 refuses the window
      return OnCreate(reinterpret_cast<LPCREATESTRUCTA>(lParam));
    case WM_PAINT:  // void OnPaint()
      OnPaint();
      return 0;
    case WM_QUERYDRAGICON:  // HCURSOR OnQueryDragIcon()
      return reinterpret_cast<LRESULT>(OnQueryDragIcon());
    case WM_DESTROY:  // void OnDestroy()
      OnDestroy();
      return 0;
    case WM_TIMER:  // void OnTimer(UINT_PTR id)
      OnTimer(wParam);
      return 0;
    case WM_LBUTTONDOWN:  // void OnLButtonDown(UINT keys, POINT client point)
      OnLButtonDown(static_cast<UINT>(wParam),
                    POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
      return 0;
    default:
      return Default();
  }
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* self = FromHandle(window);
  if (!self) return ::DefWindowProcA(window, message, wParam, lParam);
  // Messages nest (a handler may send others): keep the outer one's.
  Current outer = self->current_;
  self->current_ = Current{message, wParam, lParam};
  LRESULT result = 0;
  try {
    result = self->WindowProc(message, wParam, lParam);
  } catch (...) {
    // Nothing may cross into the system; the message counts as handled.
  }
  self->current_ = outer;
  if (message == WM_NCDESTROY) {
    // Unbind first: the object may be gone after PostNcDestroy.
    ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(self->originalProc_));
    ::RemovePropA(window, kObjectProperty);
    self->m_hWnd = nullptr;
    if (CWinApp* app = CWinApp::Current(); app && app->m_pMainWnd == self) app->m_pMainWnd = nullptr;
    self->PostNcDestroy();
  }
  return result;
}

}  // namespace framework
