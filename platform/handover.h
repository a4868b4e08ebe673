// The handover port: what a program needs to hand its last work to a copy of
// itself that outlives it. The temporary folder, a file held open (to be
// deleted when its last handle closes), a handle to this process that a
// child can inherit and wait on, a named mutex that the child inherits too
// (so that the pair counts as one running program) and a pause between
// retries; with the Win32 names, arguments and results.
// Starting and waiting are the process port's.
#pragma once

#include "platform/win_types.h"

#ifndef _WIN32
constexpr DWORD GENERIC_READ = 0x80000000u;
constexpr DWORD FILE_SHARE_READ = 0x00000001;
constexpr DWORD FILE_SHARE_DELETE = 0x00000004;
constexpr DWORD OPEN_EXISTING = 3;
constexpr DWORD FILE_FLAG_DELETE_ON_CLOSE = 0x04000000;
#endif

namespace platform {

class Handover {
 public:
  virtual ~Handover() = default;

  // The temporary folder with its trailing backslash; the length written, or
  // the size needed with terminator when the buffer is too small.
  virtual DWORD GetTempPathA(DWORD size, LPSTR buffer) = 0;
  virtual HANDLE CreateFileA(LPCSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security, DWORD disposition,
                             DWORD flags, HANDLE templateFile) = 0;
  virtual DWORD GetCurrentProcessId() = 0;
  virtual HANDLE OpenProcess(DWORD access, BOOL inheritHandle, DWORD processId) = 0;
  virtual BOOL CloseHandle(HANDLE handle) = 0;
  virtual void Sleep(DWORD milliseconds) = 0;
  // A handle to the mutex of that name, made when there was none; then
  // GetLastError says ERROR_ALREADY_EXISTS when it was there before.
  virtual HANDLE CreateMutexA(LPSECURITY_ATTRIBUTES security, BOOL initialOwner, LPCSTR name) = 0;
  virtual DWORD GetLastError() = 0;
};

}  // namespace platform
