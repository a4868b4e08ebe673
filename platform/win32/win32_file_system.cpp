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

DWORD Win32FileSystem::GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size) {
  return ::GetModuleFileNameA(module, buffer, size);
}

DWORD Win32FileSystem::GetLastError() { return ::GetLastError(); }

}  // namespace platform
