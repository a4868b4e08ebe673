#include "platform/win32/win32_process.h"

namespace platform {

BOOL Win32Process::CreateProcessA(LPCSTR applicationName, LPSTR commandLine, LPSECURITY_ATTRIBUTES processAttributes,
                                  LPSECURITY_ATTRIBUTES threadAttributes, BOOL inheritHandles, DWORD creationFlags,
                                  LPVOID environment, LPCSTR currentDirectory, LPSTARTUPINFOA startupInfo,
                                  LPPROCESS_INFORMATION processInformation) {
  return ::CreateProcessA(applicationName, commandLine, processAttributes, threadAttributes, inheritHandles,
                          creationFlags, environment, currentDirectory, startupInfo, processInformation);
}

void Win32Process::GetStartupInfoA(LPSTARTUPINFOA startupInfo) { ::GetStartupInfoA(startupInfo); }

UINT Win32Process::GetSystemDirectoryA(LPSTR buffer, UINT size) { return ::GetSystemDirectoryA(buffer, size); }

DWORD Win32Process::WaitForSingleObject(HANDLE handle, DWORD milliseconds) {
  return ::WaitForSingleObject(handle, milliseconds);
}

BOOL Win32Process::CloseHandle(HANDLE handle) { return ::CloseHandle(handle); }

DWORD Win32Process::GetLastError() { return ::GetLastError(); }

}  // namespace platform
