// Whether another program has a file open, asked before the file is
// replaced or removed, so that a running Tessal is found before anything
// changes rather than by a copy or a deletion that fails halfway.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace platform {

// True when an open for writing that shares nothing is refused with a
// sharing or lock violation: another handle has the file open, whatever it
// shares (the Java runtime holds its archive open for reading and mapped).
// The file is only opened and closed, never written. Any other failure (no
// such file, read-only, access denied) is no "in use": the copy or the
// deletion then says what it finds.
bool IsFileInUse(FileSystem& files, const std::string& path);

// The first of the paths that is in use, or nullopt.
std::optional<std::string> FirstFileInUse(FileSystem& files, const std::vector<std::string>& paths);

}  // namespace platform
