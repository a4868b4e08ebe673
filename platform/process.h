// The process port: starting a program and waiting for it, with the Win32
// names, arguments and result codes. Used by the launcher to start the Java
// runtime and by the setup program to start the system's Notepad.
#pragma once

#include "platform/win_types.h"

#ifndef _WIN32
struct STARTUPINFOA {
  DWORD cb;
  LPSTR lpReserved;
  LPSTR lpDesktop;
  LPSTR lpTitle;
  DWORD dwX;
  DWORD dwY;
  DWORD dwXSize;
  DWORD dwYSize;
  DWORD dwXCountChars;
  DWORD dwYCountChars;
  DWORD dwFillAttribute;
  DWORD dwFlags;
  WORD wShowWindow;
  WORD cbReserved2;
  LPBYTE lpReserved2;
  HANDLE hStdInput;
  HANDLE hStdOutput;
  HANDLE hStdError;
};
using LPSTARTUPINFOA = STARTUPINFOA*;

struct PROCESS_INFORMATION {
  HANDLE hProcess;
  HANDLE hThread;
  DWORD dwProcessId;
  DWORD dwThreadId;
};
using LPPROCESS_INFORMATION = PROCESS_INFORMATION*;

constexpr DWORD INFINITE = 0xFFFFFFFFu;
constexpr DWORD WAIT_OBJECT_0 = 0;
constexpr DWORD WAIT_TIMEOUT = 258;
constexpr DWORD WAIT_FAILED = 0xFFFFFFFFu;
#endif

namespace platform {

class Process {
 public:
  virtual ~Process() = default;

  virtual BOOL CreateProcessA(LPCSTR applicationName, LPSTR commandLine, LPSECURITY_ATTRIBUTES processAttributes,
                              LPSECURITY_ATTRIBUTES threadAttributes, BOOL inheritHandles, DWORD creationFlags,
                              LPVOID environment, LPCSTR currentDirectory, LPSTARTUPINFOA startupInfo,
                              LPPROCESS_INFORMATION processInformation) = 0;
  // The start-up information this program itself was started with.
  virtual void GetStartupInfoA(LPSTARTUPINFOA startupInfo) = 0;
  // The system folder, where the system's own programs are started from:
  // the length written without terminator, or the size needed with it when
  // the buffer is too small; 0 on failure.
  virtual UINT GetSystemDirectoryA(LPSTR buffer, UINT size) = 0;
  virtual DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds) = 0;
  virtual BOOL CloseHandle(HANDLE handle) = 0;
  virtual DWORD GetLastError() = 0;
};

}  // namespace platform
