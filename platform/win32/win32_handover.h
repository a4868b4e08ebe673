// The handover port on the kernel.
#pragma once

#include "platform/handover.h"

namespace platform {

class Win32Handover final : public Handover {
 public:
  DWORD GetTempPathA(DWORD size, LPSTR buffer) override;
  HANDLE CreateFileA(LPCSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security, DWORD disposition,
                     DWORD flags, HANDLE templateFile) override;
  DWORD GetCurrentProcessId() override;
  HANDLE OpenProcess(DWORD access, BOOL inheritHandle, DWORD processId) override;
  BOOL CloseHandle(HANDLE handle) override;
  void Sleep(DWORD milliseconds) override;
  HANDLE CreateMutexA(LPSECURITY_ATTRIBUTES security, BOOL initialOwner, LPCSTR name) override;
  DWORD GetLastError() override;
};

}  // namespace platform
