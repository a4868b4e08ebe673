#include "uninstall/other_uninstaller.h"

#include <cstring>

#include "uninstall/texts.h"

namespace uninstall {

namespace {

struct Search {
  platform::WindowSearch& windows;
  DWORD ownProcessId;
  HWND found = nullptr;
};

BOOL CALLBACK Visit(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  char title[64] = {};
  // One byte more than the caption: a longer title does not compare equal.
  const int length = search->windows.GetWindowTextA(window, title, sizeof title);
  DWORD processId = 0;
  if (length > 0 && std::strcmp(title, kCaption) == 0 && search->windows.IsWindowVisible(window) &&
      search->windows.GetWindowThreadProcessId(window, &processId) != 0 && processId != search->ownProcessId) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

bool BringOtherUninstallerToFront(platform::WindowSearch& windows, DWORD ownProcessId) {
  Search search{windows, ownProcessId};
  windows.EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
  return search.found && windows.SetForegroundWindow(search.found);
}

}  // namespace uninstall
