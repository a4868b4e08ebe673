// Path helpers of the setup program: folder test and folder creation with
// every missing parent. Paths are code page 932 byte strings.
#pragma once

#include <string>

#include "platform/file_system.h"

namespace common {

// The path up to and including its last "\" or ":" (a double-byte
// character's trail byte is no separator); empty when it has neither.
std::string ParentPart(const std::string& path);

// True exactly when the path's attributes can be read and include the
// directory flag.
bool FolderExists(platform::FileSystem& files, const std::string& path);

// Creates the folder and every missing parent, outermost first. Raises
// Exception("ディレクトリを作成することができません") for an empty path,
// which is also where a relative name without separators ends up.
bool CreateFolderPath(platform::FileSystem& files, const std::string& path);

}  // namespace common
