// The shell-association port: the program that the shell would open a
// document with, with the Win32 name, arguments and result codes.
#pragma once

#include "platform/win_types.h"

namespace platform {

// Results of FindExecutableA at or below this value are errors.
constexpr ULONG_PTR kShellErrorLimit = 32;

class ShellAssociation {
 public:
  virtual ~ShellAssociation() = default;

  // result: a buffer of MAX_PATH bytes. Returns a value greater than 32 on
  // success, with the executable's full path in the buffer; 2 for a missing
  // document, 31 when no program is associated (buffer empty).
  virtual HINSTANCE FindExecutableA(LPCSTR file, LPCSTR directory, LPSTR result) = 0;
};

}  // namespace platform
