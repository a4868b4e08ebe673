// Removing one file or folder and recording what happened. A read-only file
// is left as it is: the setup program leaves every file it makes with normal
// attributes, so read-only was set by someone after it, on purpose.
#pragma once

#include <string>

#include "platform/file_system.h"
#include "uninstall/outcome.h"

namespace uninstall {

// True when a file is there. A folder of that name is not ours and is
// recorded as left alone; an answer other than "not found" is recorded as a
// failure, since the file may well be there.
bool ExistsAsFile(platform::FileSystem& files, const std::string& path, Outcome& outcome);
// Deletes a file known to be there; true when it is gone.
bool RemoveFile(platform::FileSystem& files, const std::string& path, Outcome& outcome);

}  // namespace uninstall
