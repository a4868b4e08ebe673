#include "platform/win32/win32_system_folders.h"

#include <shlobj.h>

namespace platform {

HRESULT Win32SystemFolders::SHGetFolderPathA(HWND owner, int csidl, HANDLE token, DWORD flags, LPSTR path) {
  return ::SHGetFolderPathA(owner, csidl, token, flags, path);
}

DWORD Win32SystemFolders::ExpandEnvironmentStringsA(LPCSTR source, LPSTR destination, DWORD size) {
  return ::ExpandEnvironmentStringsA(source, destination, size);
}

}  // namespace platform
