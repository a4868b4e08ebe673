// A window object bound to one window handle. Messages reach the object
// through one window procedure (the window is subclassed when it is bound)
// and are dispatched to the virtual handlers below; a handler that is not
// overridden passes its message on to the window's original procedure.
#pragma once

#include <windows.h>

namespace framework {

class CWnd {
 public:
  CWnd() = default;
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND GetSafeHwnd() const { return m_hWnd; }
  // The object bound to the window, or nullptr.
  static CWnd* FromHandle(HWND window);
  // Binds the object to an existing window and routes its messages here.
  BOOL SubclassWindow(HWND window);
  BOOL SubclassDlgItem(UINT id, CWnd* parent);
  BOOL DestroyWindow();

  // Thin helpers on the bound window.
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  HICON SetIcon(HICON icon, BOOL bigIcon);
  UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC procedure) { return ::SetTimer(m_hWnd, id, elapse, procedure); }
  BOOL KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }
  BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
  void GetWindowRect(RECT* rect) const { ::GetWindowRect(m_hWnd, rect); }
  void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
  BOOL SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    return ::SetWindowPos(m_hWnd, insertAfter, x, y, cx, cy, flags);
  }
  // Centres the window on the work area of the screen.
  void CenterWindow();

  HWND m_hWnd = nullptr;

 protected:
  // The dispatcher: each message to its handler, everything else to Default.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // The original procedure's answer to the message being handled.
  LRESULT Default();

  virtual int OnCreate(LPCREATESTRUCTA create) {
    (void)create;
    return static_cast<int>(Default());
  }
  virtual void OnPaint() { Default(); }
  virtual HCURSOR OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(Default()); }
  virtual void OnDestroy() { Default(); }
  virtual void OnTimer(UINT_PTR id) {
    (void)id;
    Default();
  }
  virtual void OnLButtonDown(UINT flags, POINT point) {
    (void)flags;
    (void)point;
    Default();
  }
  // After the last message of the window: the object is unbound.
  virtual void PostNcDestroy() {}

 private:
  friend class CDialog;
  static LRESULT CALLBACK StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Bind(HWND window);

  WNDPROC originalProc_ = nullptr;
  struct Current {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  } current_{};
};

}  // namespace framework
