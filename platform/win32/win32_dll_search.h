// The DLL-search port on the real system.
#pragma once

#include "platform/dll_search.h"

namespace platform {

class Win32DllSearch final : public DllSearch {
 public:
  BOOL GetVersionExA(OSVERSIONINFOA* info) override;
  BOOL SetDefaultDllDirectories(DWORD directoryFlags) override;
  BOOL SetDllDirectoryA(LPCSTR path) override;
  UINT GetSystemDirectoryA(LPSTR buffer, UINT size) override;
  DWORD GetFileAttributesA(LPCSTR path) override;
  HMODULE LoadLibraryExA(LPCSTR path, HANDLE file, DWORD flags) override;
};

}  // namespace platform
