// The uninstaller's command line, read as the system gives it
// (GetCommandLineA) and split here, code page 932 aware: the C runtime's
// split of an unquoted double-byte program path cannot be trusted.
#pragma once

#include <optional>
#include <string>

namespace uninstall {

// What follows the program name, without the blanks before it. A quoted
// name ends at its closing quote. An unquoted one is this program's own
// path when the line begins with that path (Windows passes an unquoted path
// with blanks exactly as given), otherwise it ends at the first blank.
std::string ArgumentsAfterProgramName(const std::string& commandLine, const std::string& ownPath);

// /SILENT and /LOG="file": names in any case, each at most once, in any
// order; a value may be quoted and is kept byte for byte.
struct Switches {
  bool silent = false;
  std::string log;  // "" for no log
};
struct SwitchesParse {
  std::optional<Switches> switches;  // nullopt for a wrong command line
  bool silentSeen = false;           // /SILENT was among the words, even when the line is wrong
};
SwitchesParse ParseSwitches(const std::string& arguments);

}  // namespace uninstall
