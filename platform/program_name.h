// The arguments of a program's command line as the system gives it
// (GetCommandLineA), read in the system's ANSI code page: the C runtime's
// split of an unquoted double-byte program path cannot be trusted.
#pragma once

#include <optional>
#include <string>

#include "platform/file_system.h"

namespace platform {

// The running program's full path, or nullopt when the system cannot give
// it whole within MAX_PATH bytes.
std::optional<std::string> OwnProgramPath(FileSystem& files);

// Blanks and tabs separate the words of a command line.
bool IsBlank(char c);
std::string::size_type SkipBlanks(const std::string& text, std::string::size_type at);
// The end of an unquoted word: the first blank that is a character of its
// own (double-byte characters are stepped over whole).
std::string::size_type WordEnd(const std::string& text, std::string::size_type at);

// What follows the program name, without the blanks before it. A quoted
// name ends at its closing quote. An unquoted one is the program's own path
// when the line begins with that path in any case (Windows passes an
// unquoted path with blanks exactly as given), otherwise it ends at the
// first blank. A line that begins with a switch has no name to skip, as
// when a starter passes the program separately.
std::string ArgumentsAfterProgramName(const std::string& commandLine, const std::string& ownPath);

}  // namespace platform
