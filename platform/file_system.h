// The file-system port: the Win32 file functions the programs use, with
// their Win32 names, arguments and result codes. GetLastError reports the
// error of the port's last failing call.
#pragma once

#include "platform/win_types.h"

namespace platform {

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  virtual DWORD GetFileAttributesA(LPCSTR path) = 0;
  virtual BOOL SetFileAttributesA(LPCSTR path, DWORD attributes) = 0;
  virtual BOOL CreateDirectoryA(LPCSTR path, LPSECURITY_ATTRIBUTES security) = 0;
  virtual BOOL RemoveDirectoryA(LPCSTR path) = 0;
  virtual BOOL DeleteFileA(LPCSTR path) = 0;
  virtual BOOL CopyFileA(LPCSTR existing, LPCSTR target, BOOL failIfExists) = 0;
  virtual HANDLE FindFirstFileA(LPCSTR path, LPWIN32_FIND_DATAA data) = 0;
  virtual BOOL FindClose(HANDLE find) = 0;
  // Only opening a file that exists (OPEN_EXISTING) is used. With no
  // sharing, the open fails with ERROR_SHARING_VIOLATION while any other
  // handle has the file open for its data, whatever that handle shares.
  virtual HANDLE CreateFileA(LPCSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security, DWORD disposition,
                             DWORD flags, HANDLE templateFile) = 0;
  virtual BOOL CloseHandle(HANDLE handle) = 0;
  // Of the disk that holds the folder, which need not be its root (a UNC
  // name needs its trailing backslash); a missing folder fails.
  virtual BOOL GetDiskFreeSpaceExA(LPCSTR folder, PULARGE_INTEGER freeToCaller, PULARGE_INTEGER total,
                                   PULARGE_INTEGER totalFree) = 0;
  // For the running program's own module (module null).
  virtual DWORD GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size) = 0;
  virtual DWORD GetLastError() = 0;
};

}  // namespace platform
