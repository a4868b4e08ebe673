// The folders a PATH value lists, and a file name put below a folder.
#pragma once

#include <string>
#include <vector>

namespace launcher {

// Split at semicolons outside double quotes; the quotes are removed and
// empty entries skipped. Relative entries stay relative.
std::vector<std::string> PathEntries(const std::string& pathValue);

// folder, a backslash unless the folder already ends in one (a 0x5C trail
// byte of a double-byte character is not one), then the name.
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace launcher
