// The environment port on the program's real environment.
#pragma once

#include "platform/environment.h"

namespace platform {

class Win32Environment final : public Environment {
 public:
  DWORD GetEnvironmentVariableW(LPCWSTR name, LPWSTR buffer, DWORD size) override;
  int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wide, int wideLength, LPSTR bytes, int byteLength,
                          LPCSTR defaultChar, LPBOOL usedDefaultChar) override;
};

}  // namespace platform
