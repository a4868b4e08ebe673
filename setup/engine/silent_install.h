// The unattended install (Setup.exe /SILENT): no window, no question, no
// message; the same install run as the wizard's, with the choices taken
// from the command line, and the outcome as the exit code.
#pragma once

#include <string>

#include "platform/clock.h"
#include "setup/engine/install_log.h"
#include "setup/engine/setup_command_line.h"
#include "setup/engine/shell_integration.h"

namespace engine {

enum SilentExitCode : int {
  kExitInstalled = 0,
  kExitBadCommandLine = 1,  // nothing was changed
  kExitFolderNotCreated = 2,
  kExitCopyFailed = 3,
  kExitOtherFailure = 4,
  kExitNotEnoughSpace = 5,  // nothing was changed
  kExitFileInUse = 6,       // a running Tessal holds a file; nothing was changed
};

// Logs the command line, checks it, runs the Java check (a status other
// than jcOK is logged and the install goes on), checks the free space and
// that no destination file is in use, makes the install folder as the
// folder page does (the given one, or the proposed one under Program
// Files), runs the install, and logs the exit code it returns. A
// log that cannot be written ends it with kExitOtherFailure before
// anything is changed. With a clock, the copy stage is timed in the log.
int RunSilentSetup(ShellPorts& ports, const SetupCommandLine& line, const std::string& commandLine, FileLog* log,
                   platform::Clock* clock = nullptr);

}  // namespace engine
