// The DLL-search port: where the system looks for a DLL that the program,
// or a system DLL on its behalf, loads by bare name; with the Win32 names,
// arguments and results. A program that runs as administrator from a
// folder other programs can write to (a download folder, the temporary
// folder) must not take such a DLL from there.
#pragma once

#include "platform/win_types.h"

#ifndef _WIN32
struct OSVERSIONINFOA {
  DWORD dwOSVersionInfoSize;
  DWORD dwMajorVersion;
  DWORD dwMinorVersion;
  DWORD dwBuildNumber;
  DWORD dwPlatformId;
  CHAR szCSDVersion[128];
};
constexpr DWORD LOAD_WITH_ALTERED_SEARCH_PATH = 0x00000008;
constexpr DWORD LOAD_LIBRARY_SEARCH_SYSTEM32 = 0x00000800;
#endif

namespace platform {

class DllSearch {
 public:
  virtual ~DllSearch() = default;

  virtual BOOL GetVersionExA(OSVERSIONINFOA* info) = 0;
  // kernel32's SetDefaultDllDirectories, asked for by name: Windows 8 and
  // later, 7 and Vista with the update that added it. FALSE where kernel32
  // has no such function.
  virtual BOOL SetDefaultDllDirectories(DWORD directoryFlags) = 0;
  // "" takes the current directory out of the search (XP SP1 and later).
  virtual BOOL SetDllDirectoryA(LPCSTR path) = 0;
  // The length written without terminator, or the size needed with it when
  // the buffer is too small; 0 on failure.
  virtual UINT GetSystemDirectoryA(LPSTR buffer, UINT size) = 0;
  virtual DWORD GetFileAttributesA(LPCSTR path) = 0;
  virtual HMODULE LoadLibraryExA(LPCSTR path, HANDLE file, DWORD flags) = 0;
};

// Narrows the search before any window, COM or shell call: the system
// folder only where Windows can be told so, otherwise no current directory
// and the DLLs that Windows loads later by name loaded now from the system
// folder, so that a later load by name finds them already loaded.
void NarrowDllSearch(DllSearch& dlls);

}  // namespace platform
