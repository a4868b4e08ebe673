// The window-search port: the top-level windows of the desktop, their
// titles, visibility and owning process, and bringing one to the front,
// with the Win32 names, arguments and results. Used by the launcher's
// splash to look for the application's window, and by a second uninstaller
// to show the user the one that runs.
#pragma once

#include "platform/win_types.h"

#ifndef _WIN32
#ifndef CALLBACK
#define CALLBACK
#endif
using WNDENUMPROC = BOOL(CALLBACK*)(HWND, LPARAM);
#endif

namespace platform {

class WindowSearch {
 public:
  virtual ~WindowSearch() = default;

  // Calls the procedure for every top-level window, top of the z-order
  // first, until it returns FALSE; returns FALSE when it was stopped so.
  virtual BOOL EnumWindows(WNDENUMPROC enumProc, LPARAM lParam) = 0;
  // Copies at most maxCount - 1 bytes of the title in the ANSI code page
  // and a terminator; returns the bytes copied, 0 for an empty title or a
  // window that is gone.
  virtual int GetWindowTextA(HWND window, LPSTR buffer, int maxCount) = 0;
  virtual BOOL IsWindowVisible(HWND window) = 0;
  // The creating thread's id, and the process's in *processId when given;
  // 0 for a window that is gone.
  virtual DWORD GetWindowThreadProcessId(HWND window, LPDWORD processId) = 0;
  // Windows lets only a program the user just started, or the one in front,
  // take the foreground; otherwise the window's taskbar button flashes.
  virtual BOOL SetForegroundWindow(HWND window) = 0;
};

}  // namespace platform
