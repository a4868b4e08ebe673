// The string-resource port: a text of a program's string table, loaded by
// identifier and converted to the ANSI code page, with the Win32 name,
// arguments and result.
#pragma once

#include "platform/win_types.h"

namespace platform {

class StringResource {
 public:
  virtual ~StringResource() = default;

  // Copies at most size - 1 bytes and a terminator; returns the number of
  // bytes copied, 0 when the string does not exist.
  virtual int LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int size) = 0;
};

}  // namespace platform
