#include "platform/win32/win32_window_search.h"

namespace platform {

BOOL Win32WindowSearch::EnumWindows(WNDENUMPROC enumProc, LPARAM lParam) { return ::EnumWindows(enumProc, lParam); }

int Win32WindowSearch::GetWindowTextA(HWND window, LPSTR buffer, int maxCount) {
  return ::GetWindowTextA(window, buffer, maxCount);
}

BOOL Win32WindowSearch::IsWindowVisible(HWND window) { return ::IsWindowVisible(window); }

DWORD Win32WindowSearch::GetWindowThreadProcessId(HWND window, LPDWORD processId) {
  return ::GetWindowThreadProcessId(window, processId);
}

BOOL Win32WindowSearch::SetForegroundWindow(HWND window) { return ::SetForegroundWindow(window); }

}  // namespace platform
