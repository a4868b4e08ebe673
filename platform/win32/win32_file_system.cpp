#include "platform/win32/win32_file_system.h"

namespace platform {

DWORD Win32FileSystem::GetFileAttributesA(LPCSTR path) { return ::GetFileAttributesA(path); }

BOOL Win32FileSystem::SetFileAttributesA(LPCSTR path, DWORD attributes) {
  return ::SetFileAttributesA(path, attributes);
}

BOOL Win32FileSystem::CreateDirectoryA(LPCSTR path, LPSECURITY_ATTRIBUTES security) {
  return ::CreateDirectoryA(path, security);
}

BOOL Win32FileSystem::RemoveDirectoryA(LPCSTR path) { return ::RemoveDirectoryA(path); }

BOOL Win32FileSystem::DeleteFileA(LPCSTR path) { return ::DeleteFileA(path); }

BOOL Win32FileSystem::CopyFileA(LPCSTR existing, LPCSTR target, BOOL failIfExists) {
  return ::CopyFileA(existing, target, failIfExists);
}

HANDLE Win32FileSystem::FindFirstFileA(LPCSTR path, LPWIN32_FIND_DATAA data) { return ::FindFirstFileA(path, data); }

BOOL Win32FileSystem::FindClose(HANDLE find) { return ::FindClose(find); }

HANDLE Win32FileSystem::CreateFileA(LPCSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                                    DWORD disposition, DWORD flags, HANDLE templateFile) {
  return ::CreateFileA(path, access, share, security, disposition, flags, templateFile);
}

BOOL Win32FileSystem::CloseHandle(HANDLE handle) { return ::CloseHandle(handle); }

BOOL Win32FileSystem::GetDiskFreeSpaceExA(LPCSTR folder, PULARGE_INTEGER freeToCaller, PULARGE_INTEGER total,
                                          PULARGE_INTEGER totalFree) {
  return ::GetDiskFreeSpaceExA(folder, freeToCaller, total, totalFree);
}

DWORD Win32FileSystem::GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size) {
  return ::GetModuleFileNameA(module, buffer, size);
}

DWORD Win32FileSystem::GetLastError() { return ::GetLastError(); }

}  // namespace platform
