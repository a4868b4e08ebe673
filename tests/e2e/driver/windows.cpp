#include "tests/e2e/driver/driver.h"

namespace e2e {

std::string WindowText(HWND window) {
  char buffer[1024] = {};
  // WM_GETTEXT crosses process boundaries; GetWindowTextA does not for edits.
  DWORD_PTR length = 0;
  if (!::SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG,
                             2000, &length))
    return "";
  return std::string(buffer, static_cast<size_t>(length) < sizeof buffer ? length : sizeof buffer - 1);
}

std::string ClassName(HWND window) {
  char buffer[256] = {};
  int length = ::GetClassNameA(window, buffer, sizeof buffer);
  return std::string(buffer, length > 0 ? length : 0);
}

namespace {

struct Search {
  std::string caption;
  const char* className;
  HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  if (!::IsWindowVisible(window)) return TRUE;
  char buffer[512] = {};
  ::GetWindowTextA(window, buffer, sizeof buffer);
  if (search->caption == buffer) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK MatchChild(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  if (search->className && ClassName(window) != search->className) return TRUE;
  if (WindowText(window) == search->caption) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

template <typename Probe>
HWND Poll(DWORD timeoutMs, Probe probe) {
  DWORD start = ::GetTickCount();
  for (;;) {
    if (HWND found = probe()) return found;
    if (::GetTickCount() - start > timeoutMs) return nullptr;
    ::Sleep(50);
  }
}

}  // namespace

HWND WaitForTopLevel(const std::string& caption, DWORD timeoutMs) {
  return Poll(timeoutMs, [&] {
    Search search{caption, nullptr, nullptr};
    ::EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
  });
}

HWND FindChild(HWND parent, const std::string& caption, const char* className) {
  Search search{caption, className, nullptr};
  ::EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForChild(HWND parent, const std::string& caption, DWORD timeoutMs) {
  return Poll(timeoutMs, [&] {
    HWND child = FindChild(parent, caption);
    return child && ::IsWindowVisible(child) ? child : nullptr;
  });
}

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  return children;
}

bool WaitUntilGone(HWND window, DWORD timeoutMs) {
  DWORD start = ::GetTickCount();
  while (::IsWindow(window) && ::IsWindowVisible(window)) {
    if (::GetTickCount() - start > timeoutMs) return false;
    ::Sleep(50);
  }
  return true;
}

void Click(HWND button) { ::PostMessageA(button, BM_CLICK, 0, 0); }

void SetText(HWND edit, const std::string& text) {
  DWORD_PTR ignored = 0;
  ::SendMessageTimeoutA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 2000, &ignored);
}

bool IsChecked(HWND checkBox) { return ::SendMessageA(checkBox, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void SetChecked(HWND checkBox, bool checked) {
  ::SendMessageA(checkBox, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace e2e
