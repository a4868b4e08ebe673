#include "platform/fake/fake_window_search.h"

#include <algorithm>
#include <cstring>

namespace platform {

BOOL FakeWindowSearch::EnumWindows(WNDENUMPROC enumProc, LPARAM lParam) {
  lastVisited_ = 0;
  // A procedure may open or close windows: walk a copy, as the system walks
  // a list taken before the first call, and skip windows closed meanwhile.
  const auto listed = windows_;
  for (const Window& window : listed) {
    if (!Find(window.handle)) continue;
    ++lastVisited_;
    if (!enumProc(window.handle, lParam)) return FALSE;
  }
  return TRUE;
}

int FakeWindowSearch::GetWindowTextA(HWND window, LPSTR buffer, int maxCount) {
  if (!buffer || maxCount <= 0) return 0;
  buffer[0] = 0;
  const Window* found = Find(window);
  if (!found) return 0;
  std::size_t length = std::min<std::size_t>(found->title.size(), static_cast<std::size_t>(maxCount - 1));
  std::memcpy(buffer, found->title.data(), length);
  buffer[length] = 0;
  return static_cast<int>(length);
}

BOOL FakeWindowSearch::IsWindowVisible(HWND window) {
  const Window* found = Find(window);
  return found && found->visible;
}

DWORD FakeWindowSearch::GetWindowThreadProcessId(HWND window, LPDWORD processId) {
  const Window* found = Find(window);
  if (processId) *processId = found ? found->processId : 0;
  return found ? found->processId + 1 : 0;  // one thread per process, numbered after it
}

BOOL FakeWindowSearch::SetForegroundWindow(HWND window) {
  if (!Find(window)) return FALSE;
  foreground_ = window;
  return TRUE;
}

HWND FakeWindowSearch::OpenWindow(const std::string& title, DWORD processId, bool visible) {
  HWND window = reinterpret_cast<HWND>(nextHandle_);
  nextHandle_ += 4;
  windows_.insert(windows_.begin(), Window{window, title, processId, visible});
  return window;
}

void FakeWindowSearch::CloseWindow(HWND window) {
  std::erase_if(windows_, [&](const Window& w) { return w.handle == window; });
  if (foreground_ == window) foreground_ = nullptr;
}

void FakeWindowSearch::ShowWindow(HWND window) {
  for (Window& w : windows_)
    if (w.handle == window) w.visible = true;
}

const FakeWindowSearch::Window* FakeWindowSearch::Find(HWND window) const {
  auto found = std::find_if(windows_.begin(), windows_.end(), [&](const Window& w) { return w.handle == window; });
  return found == windows_.end() ? nullptr : &*found;
}

}  // namespace platform
