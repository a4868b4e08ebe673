// One variable of the launcher's environment as ANSI text.
#pragma once

#include <string>

#include "platform/environment.h"

namespace launcher {

// Returns true and the whole value in the ANSI code page. A variable that
// is missing or empty, does not fit kEnvironmentValueSize, or holds a
// character the code page lacks gives false: a value changed in the
// conversion would name another folder.
bool ReadEnvironmentString(platform::Environment& environment, const std::string& asciiName, std::string& value);

}  // namespace launcher
