// A desktop on paper: top-level windows with titles in code page 932, in
// z-order, that a test opens and closes.
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

  // Opens a window on top of the others and returns its handle.
  HWND OpenWindow(const std::string& title);
  void CloseWindow(HWND window);
  // How many windows the last enumeration showed to its procedure.
  int LastVisited() const { return lastVisited_; }

 private:
  std::vector<std::pair<HWND, std::string>> windows_;  // top first
  ULONG_PTR nextHandle_ = 0x10010;
  int lastVisited_ = 0;
};

}  // namespace platform
