// A "version.dll" as someone might leave one in the temporary folder: when
// a program loads it, it appends that program's path to a marker file. The
// calls the system's user32 imports from version.dll fail, as for a file
// without version information, so that the program still runs.
#include <windows.h>

#include "tests/e2e/uninstall/planted_dll.h"

extern "C" {

__declspec(dllexport) DWORD WINAPI GetFileVersionInfoSizeW(LPCWSTR, LPDWORD handle) {
  if (handle) *handle = 0;
  ::SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
  return 0;
}

__declspec(dllexport) BOOL WINAPI GetFileVersionInfoW(LPCWSTR, DWORD, DWORD, LPVOID) {
  ::SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
  return FALSE;
}

__declspec(dllexport) BOOL WINAPI VerQueryValueW(LPCVOID, LPCWSTR, LPVOID*, PUINT) { return FALSE; }

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  char program[MAX_PATH + 2] = {};
  DWORD length = ::GetModuleFileNameA(nullptr, program, MAX_PATH);
  program[length++] = '\r';
  program[length++] = '\n';
  HANDLE marker = ::CreateFileA(kPlantedDllMarker, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_ALWAYS, 0, nullptr);
  if (marker != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    ::WriteFile(marker, program, length, &written, nullptr);
    ::CloseHandle(marker);
  }
  return TRUE;
}

}  // extern "C"
