// The setup program's switches for unattended installs:
//   Setup.exe /SILENT [/DIR="folder"] [/TASKS="list"] [/LOG="file"]
// Switches are case-insensitive, in any order, each at most once; a value
// follows "=" and may be quoted (for blanks); its bytes are kept as given,
// double-byte characters included. The tasks are a comma-separated subset
// of sendto, xml, startmenu and desktop; an empty list means none.
#pragma once

#include <optional>
#include <string>

namespace engine {

struct SetupCommandLine {
  bool valid = true;
  std::string error;    // why the line is not valid, for the log
  bool silent = false;  // /SILENT was given, also on a line that is not valid
  std::optional<std::string> folder;
  std::optional<std::string> logFile;
  bool sendTo = false;
  bool xml = false;
  bool startMenu = false;
  bool desktop = false;
};

// Reads the arguments; an unknown switch, a value missing or given where
// none belongs, a switch given twice or an unknown task make it not valid.
SetupCommandLine ParseSetupCommandLine(const std::string& arguments);

}  // namespace engine
