// The file-system port on the real Win32 file functions.
#pragma once

#include "platform/file_system.h"

namespace platform {

class Win32FileSystem final : public FileSystem {
 public:
  DWORD GetFileAttributesA(LPCSTR path) override;
  BOOL SetFileAttributesA(LPCSTR path, DWORD attributes) override;
  BOOL CreateDirectoryA(LPCSTR path, LPSECURITY_ATTRIBUTES security) override;
  BOOL RemoveDirectoryA(LPCSTR path) override;
  BOOL DeleteFileA(LPCSTR path) override;
  BOOL CopyFileA(LPCSTR existing, LPCSTR target, BOOL failIfExists) override;
  HANDLE FindFirstFileA(LPCSTR path, LPWIN32_FIND_DATAA data) override;
  BOOL FindClose(HANDLE find) override;
  HANDLE CreateFileA(LPCSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security, DWORD disposition,
                     DWORD flags, HANDLE templateFile) override;
  BOOL CloseHandle(HANDLE handle) override;
  BOOL GetDiskFreeSpaceExA(LPCSTR folder, PULARGE_INTEGER freeToCaller, PULARGE_INTEGER total,
                           PULARGE_INTEGER totalFree) override;
  DWORD GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size) override;
  DWORD GetLastError() override;
};

}  // namespace platform
