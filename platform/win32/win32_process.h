// The process port on the real Win32 process functions.
#pragma once

#include "platform/process.h"

namespace platform {

class Win32Process final : public Process {
 public:
  BOOL CreateProcessA(LPCSTR applicationName, LPSTR commandLine, LPSECURITY_ATTRIBUTES processAttributes,
                      LPSECURITY_ATTRIBUTES threadAttributes, BOOL inheritHandles, DWORD creationFlags,
                      LPVOID environment, LPCSTR currentDirectory, LPSTARTUPINFOA startupInfo,
                      LPPROCESS_INFORMATION processInformation) override;
  void GetStartupInfoA(LPSTARTUPINFOA startupInfo) override;
  UINT GetSystemDirectoryA(LPSTR buffer, UINT size) override;
  DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds) override;
  BOOL CloseHandle(HANDLE handle) override;
  DWORD GetLastError() override;
};

}  // namespace platform
