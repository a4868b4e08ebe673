// Whether a file is there, as the launcher asks it of every path.
#pragma once

#include <string>

#include "platform/file_system.h"

namespace launcher {

// FindFirstFileA on the exact path: a folder of that name counts as present too.
bool FileExists(platform::FileSystem& files, const std::string& path);

}  // namespace launcher
