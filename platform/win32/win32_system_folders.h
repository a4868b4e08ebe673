// The system-folders port on shell32 and the kernel.
#pragma once

#include "platform/system_folders.h"

namespace platform {

class Win32SystemFolders final : public SystemFolders {
 public:
  HRESULT SHGetFolderPathA(HWND owner, int csidl, HANDLE token, DWORD flags, LPSTR path) override;
  DWORD ExpandEnvironmentStringsA(LPCSTR source, LPSTR destination, DWORD size) override;
};

}  // namespace platform
