#include "platform/win32/win32_dll_search.h"

namespace platform {

BOOL Win32DllSearch::GetVersionExA(OSVERSIONINFOA* info) { return ::GetVersionExA(info); }

BOOL Win32DllSearch::SetDefaultDllDirectories(DWORD directoryFlags) {
  // Asked of kernel32, which every process has loaded: importing it would
  // keep the program from loading where it is missing.
  using Function = BOOL(WINAPI*)(DWORD);
  HMODULE kernel = ::GetModuleHandleA("kernel32.dll");
  auto function =
      kernel ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(kernel, "SetDefaultDllDirectories")))
             : nullptr;
  return function ? function(directoryFlags) : FALSE;
}

BOOL Win32DllSearch::SetDllDirectoryA(LPCSTR path) { return ::SetDllDirectoryA(path); }

UINT Win32DllSearch::GetSystemDirectoryA(LPSTR buffer, UINT size) { return ::GetSystemDirectoryA(buffer, size); }

DWORD Win32DllSearch::GetFileAttributesA(LPCSTR path) { return ::GetFileAttributesA(path); }

HMODULE Win32DllSearch::LoadLibraryExA(LPCSTR path, HANDLE file, DWORD flags) {
  return ::LoadLibraryExA(path, file, flags);
}

}  // namespace platform
