// One string value below HKEY_LOCAL_MACHINE, read without creating anything.
#pragma once

#include <string>

#include "platform/registry.h"

namespace launcher {

// Returns 1 and the value's text (up to its first zero byte) on success, 0
// when the key or the value is missing or the value does not fit in 1,024
// bytes. The value's type is not examined. view: 0 for the program's own
// view, or KEY_WOW64_64KEY / KEY_WOW64_32KEY.
int ReadMachineString(platform::Registry& registry, const std::string& subKey, const std::string& valueName,
                      std::string& value, REGSAM view = 0);

}  // namespace launcher
