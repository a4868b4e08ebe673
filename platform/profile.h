// The profile port: reading initialisation (.ini) files through the system's
// profile reader, with its Win32 name, arguments and result.
#pragma once

#include "platform/win_types.h"

namespace platform {

class Profile {
 public:
  virtual ~Profile() = default;

  // Copies the value (or the default) into the buffer, cut to size - 1 bytes
  // and terminated; returns the number of bytes copied without the
  // terminator. A bare file name is looked for in the Windows folder.
  virtual DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size,
                                         LPCSTR fileName) = 0;
};

}  // namespace platform
