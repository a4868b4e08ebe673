// A desktop on paper: top-level windows with titles in code page 932, in
// z-order, that a test opens and closes, each of a process and shown or
// hidden, and the one in front.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/window_search.h"

namespace platform {

class FakeWindowSearch final : public WindowSearch {
 public:
  BOOL EnumWindows(WNDENUMPROC enumProc, LPARAM lParam) override;
  int GetWindowTextA(HWND window, LPSTR buffer, int maxCount) override;
  BOOL IsWindowVisible(HWND window) override;
  DWORD GetWindowThreadProcessId(HWND window, LPDWORD processId) override;
  BOOL SetForegroundWindow(HWND window) override;

  // The process that the fakes of the other ports run as (FakeHandover's).
  static constexpr DWORD kOwnProcessId = 0x1234;
  // Opens a window on top of the others and returns its handle; hidden, of
  // this process, unless told otherwise.
  HWND OpenWindow(const std::string& title, DWORD processId = kOwnProcessId, bool visible = false);
  void CloseWindow(HWND window);
  void ShowWindow(HWND window);
  // How many windows the last enumeration showed to its procedure.
  int LastVisited() const { return lastVisited_; }
  HWND Foreground() const { return foreground_; }

 private:
  struct Window {
    HWND handle;
    std::string title;
    DWORD processId;
    bool visible;
  };
  const Window* Find(HWND window) const;

  std::vector<Window> windows_;  // top first
  HWND foreground_ = nullptr;
  ULONG_PTR nextHandle_ = 0x10010;
  int lastVisited_ = 0;
};

}  // namespace platform
