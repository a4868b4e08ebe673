// The environment port: a variable of the program's environment, read wide
// (Wine's ANSI call cuts a value with double-byte characters short, Windows
// does not), and the conversion of its text to the ANSI code page.
#pragma once

#include "platform/win_types.h"

namespace platform {

class Environment {
 public:
  virtual ~Environment() = default;

  virtual DWORD GetEnvironmentVariableW(LPCWSTR name, LPWSTR buffer, DWORD size) = 0;
  virtual int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wide, int wideLength, LPSTR bytes, int byteLength,
                                  LPCSTR defaultChar, LPBOOL usedDefaultChar) = 0;
};

}  // namespace platform
