#include "tests/e2e/driver/driver.h"

namespace e2e {

namespace {

constexpr int kMessageTextId = 0xFFFF;

BOOL CALLBACK FindBox(HWND window, LPARAM param) {
  if (!::IsWindowVisible(window) || ClassName(window) != "#32770") return TRUE;
  if (!::GetDlgItem(window, kMessageTextId)) return TRUE;
  *reinterpret_cast<HWND*>(param) = window;
  return FALSE;
}

BOOL CALLBACK FindIcon(HWND child, LPARAM param) {
  if (ClassName(child) == "Static" && (::GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
      ::SendMessageA(child, STM_GETICON, 0, 0) != 0) {
    *reinterpret_cast<bool*>(param) = true;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

MessageBoxSeen WaitForMessageBox(DWORD timeoutMs) {
  MessageBoxSeen box;
  DWORD start = ::GetTickCount();
  while (!box.window) {
    ::EnumWindows(FindBox, reinterpret_cast<LPARAM>(&box.window));
    if (box.window) break;
    if (::GetTickCount() - start > timeoutMs) return box;
    ::Sleep(50);
  }
  // Let the box finish laying itself out before it is read.
  ::Sleep(100);
  box.caption = WindowText(box.window);
  box.text = WindowText(::GetDlgItem(box.window, kMessageTextId));
  for (int id : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO}) {
    HWND button = ::GetDlgItem(box.window, id);
    if (button && ::IsWindowVisible(button)) box.buttons.push_back(id);
  }
  ::EnumChildWindows(box.window, FindIcon, reinterpret_cast<LPARAM>(&box.hasIcon));
  return box;
}

bool Answer(const MessageBoxSeen& box, int buttonId) {
  HWND button = ::GetDlgItem(box.window, buttonId);
  if (!button) return false;
  Click(button);
  return WaitUntilGone(box.window);
}

}  // namespace e2e
