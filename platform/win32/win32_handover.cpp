#include "platform/win32/win32_handover.h"

namespace platform {

DWORD Win32Handover::GetTempPathA(DWORD size, LPSTR buffer) { return ::GetTempPathA(size, buffer); }

HANDLE Win32Handover::CreateFileA(LPCSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                                  DWORD disposition, DWORD flags, HANDLE templateFile) {
  return ::CreateFileA(path, access, share, security, disposition, flags, templateFile);
}

DWORD Win32Handover::GetCurrentProcessId() { return ::GetCurrentProcessId(); }

HANDLE Win32Handover::OpenProcess(DWORD access, BOOL inheritHandle, DWORD processId) {
  return ::OpenProcess(access, inheritHandle, processId);
}

BOOL Win32Handover::CloseHandle(HANDLE handle) { return ::CloseHandle(handle); }

void Win32Handover::Sleep(DWORD milliseconds) { ::Sleep(milliseconds); }

HANDLE Win32Handover::CreateMutexA(LPSECURITY_ATTRIBUTES security, BOOL initialOwner, LPCSTR name) {
  return ::CreateMutexA(security, initialOwner, name);
}

DWORD Win32Handover::GetLastError() { return ::GetLastError(); }

}  // namespace platform
