#include "platform/fake/fake_window_search.h"

#include <algorithm>
#include <cstring>

namespace platform {

BOOL FakeWindowSearch::EnumWindows(WNDENUMPROC enumProc, LPARAM lParam) {
  lastVisited_ = 0;
  // A procedure may open or close windows: walk a copy, as the system walks
  // a list taken before the first call, and skip windows closed meanwhile.
  const auto listed = windows_;
  for (const auto& [window, title] : listed) {
    bool open = std::any_of(windows_.begin(), windows_.end(), [&](const auto& w) { return w.first == window; });
    if (!open) continue;
    ++lastVisited_;
    if (!enumProc(window, lParam)) return FALSE;
  }
  return TRUE;
}

int FakeWindowSearch::GetWindowTextA(HWND window, LPSTR buffer, int maxCount) {
  if (!buffer || maxCount <= 0) return 0;
  buffer[0] = 0;
  auto found = std::find_if(windows_.begin(), windows_.end(), [&](const auto& w) { return w.first == window; });
  if (found == windows_.end()) return 0;
  std::size_t length = std::min<std::size_t>(found->second.size(), static_cast<std::size_t>(maxCount - 1));
  std::memcpy(buffer, found->second.data(), length);
  buffer[length] = 0;
  return static_cast<int>(length);
}

HWND FakeWindowSearch::OpenWindow(const std::string& title) {
  HWND window = reinterpret_cast<HWND>(nextHandle_);
  nextHandle_ += 4;
  windows_.insert(windows_.begin(), {window, title});
  return window;
}

void FakeWindowSearch::CloseWindow(HWND window) {
  std::erase_if(windows_, [&](const auto& w) { return w.first == window; });
}

}  // namespace platform
