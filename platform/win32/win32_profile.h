// The profile port on the system's profile reader.
#pragma once

#include "platform/profile.h"

namespace platform {

class Win32Profile final : public Profile {
 public:
  DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size,
                                 LPCSTR fileName) override;
};

}  // namespace platform
