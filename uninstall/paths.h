// Paths as the uninstaller compares them: code page 932 bytes, where a
// backslash that is the trail byte of a double-byte character is no
// separator.
#pragma once

#include <optional>
#include <string>

#include "platform/file_system.h"

namespace uninstall {

// The running program's path, or nullopt when the system cannot give it
// whole within MAX_PATH bytes.
std::optional<std::string> OwnPath(platform::FileSystem& files);
// The part before the last separator ("" when there is none) and the part after it.
std::string FolderOf(const std::string& path);
std::string NameOf(const std::string& path);
// Equal as Windows names are: ASCII letters in either case, runs of
// separators counted as one.
bool SamePath(const std::string& left, const std::string& right);
// "C:" or "C:\": a drive's root, which is never ours to remove.
bool IsDriveRoot(const std::string& folder);
// "X:\..." with at least one name.
bool IsFullPath(const std::string& path);
bool FitsMaxPath(const std::string& path);

}  // namespace uninstall
