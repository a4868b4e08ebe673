// The uninstaller's command line, read as the system gives it
// (GetCommandLineA) and split here, code page 932 aware.
#pragma once

#include <optional>
#include <string>

#include "platform/program_name.h"

namespace uninstall {

// What follows the program name: read as both programs read it.
using platform::ArgumentsAfterProgramName;

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
