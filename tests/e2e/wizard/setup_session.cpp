#include "tests/e2e/wizard/setup_session.h"

#include <vector>

namespace e2e {

std::string SetupExe() { return WindowsPath(SETUP_EXE); }

void RegisterJava(const std::string& version, const std::string& home, bool complete) {
  RemoveJava();
  SetRegString(HKEY_LOCAL_MACHINE, kJavaKey, "CurrentVersion", version);
  SetRegString(HKEY_LOCAL_MACHINE, kJavaKey + "\\" + version, "JavaHome", home);
  MakeFolders(complete ? home + "\\lib\\ext" : home + "\\lib");
}

void RemoveJava() { DeleteRegTree(HKEY_LOCAL_MACHINE, kJavaKey); }

bool WriteTestBitmap(const std::string& path, int width, int height) {
  const int rowSize = (width * 3 + 3) & ~3;
  std::string data(54 + rowSize * height, '\0');
  auto put32 = [&data](size_t at, unsigned value) {
    for (int i = 0; i < 4; ++i) data[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  };
  data[0] = 'B', data[1] = 'M';
  put32(2, static_cast<unsigned>(data.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, width);
  put32(22, height);
  data[26] = 1;
  data[28] = 24;
  put32(34, static_cast<unsigned>(rowSize * height));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      size_t at = 54 + static_cast<size_t>(y) * rowSize + x * 3;
      bool topLeft = x == 0 && y == height - 1;  // bottom-up rows
      data[at + 0] = 0;                          // blue
      data[at + 1] = topLeft ? 0 : char(0xC0);   // green
      data[at + 2] = topLeft ? char(0xFF) : 0;   // red
    }
  }
  return WriteFile(path, data);
}

bool SetupSession::Launch(const std::string& currentDirectory, const std::string& exe) {
  process = Start("\"" + exe + "\"", currentDirectory);
  if (!process.ok()) return false;
  frame = WaitForTopLevel(kFrameCaption);
  return frame != nullptr;
}

// The program makes one instance of every page at start and closes them
// unused when the main window first shows: for that moment five pages are
// visible at once. A page of the wizard's walk is the only one shown.
HWND SetupSession::WaitForPage(const std::string& caption, DWORD timeoutMs) const {
  if (!frame) return nullptr;
  for (DWORD start = ::GetTickCount();; ::Sleep(50)) {
    HWND page = FindChild(frame, caption);
    if (page && ::IsWindowVisible(page)) {
      int shown = 0;
      for (HWND sibling : Children(::GetParent(page))) shown += ::IsWindowVisible(sibling) ? 1 : 0;
      if (shown == 1) return page;
    }
    if (::GetTickCount() - start > timeoutMs) return nullptr;
  }
}

namespace {

struct ClassSearch {
  const char* className;
  HWND found;
};

BOOL CALLBACK FirstOfClass(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<ClassSearch*>(param);
  if (ClassName(window) == search->className) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND SetupSession::Control(HWND page, const std::string& caption, const char* className) {
  if (!caption.empty()) return FindChild(page, caption, className);
  ClassSearch search{className, nullptr};
  ::EnumChildWindows(page, FirstOfClass, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

long SetupSession::End(DWORD timeoutMs) {
  if (!process.ok()) return -1;
  long code = WaitForExit(process, timeoutMs);
  if (code == -1) {
    Kill(process);
    WaitForExit(process, 5000);
  }
  ::CloseHandle(process.process);
  process = {};
  return code;
}

SetupSession::~SetupSession() {
  if (process.ok()) End(0);
}

}  // namespace e2e
