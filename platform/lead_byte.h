// Whether a byte starts a double-byte character of the ANSI code page that
// the programs' byte strings (paths above all) are in. On Windows that is the
// running system's code page: 932 on Japanese Windows, and on a Western
// Windows (1252) no byte starts one, so "C:\Café\" keeps both separators.
// Natively it is code page 932, the system that the fakes model.
#pragma once

#include "platform/cp932.h"
#include "platform/win_types.h"

namespace platform {

inline bool IsLeadByte(char byte) {
#ifdef _WIN32
  return ::IsDBCSLeadByte(static_cast<BYTE>(byte)) != FALSE;
#else
  return IsCp932LeadByte(byte);
#endif
}

}  // namespace platform
