// The window-search port on the real desktop.
#pragma once

#include "platform/window_search.h"

namespace platform {

class Win32WindowSearch final : public WindowSearch {
 public:
  BOOL EnumWindows(WNDENUMPROC enumProc, LPARAM lParam) override;
  int GetWindowTextA(HWND window, LPSTR buffer, int maxCount) override;
  BOOL IsWindowVisible(HWND window) override;
  DWORD GetWindowThreadProcessId(HWND window, LPDWORD processId) override;
  BOOL SetForegroundWindow(HWND window) override;
};

}  // namespace platform
