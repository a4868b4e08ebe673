// The floor of any GUI launcher, for `make bench`: the launcher's manifest
// and imports, and nothing else before it starts the command line it is
// given and ends.
#include <windows.h>
// after windows.h
#include <commctrl.h>
#include <shellapi.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  ::InitCommonControls();  // as the launcher does first
  if (!commandLine) {
    // Never runs: it imports the launcher's other DLLs, which Windows loads all the same.
    ::FindExecutableA("", "", nullptr);
    ::RegCloseKey(nullptr);
    ::MessageBoxA(nullptr, "", "", MB_OK);
  }
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!::CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
    return 1;
  ::CloseHandle(started.hThread);
  ::CloseHandle(started.hProcess);
  return 0;
}
