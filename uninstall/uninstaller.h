// The uninstaller's whole run. Started from the install folder (as Windows
// starts the uninstall entry), it checks that the folder holds an
// installation and that no other uninstall runs, asks, waits on the user's
// word while a running Tessal holds a product file, and hands the removal
// to its finisher; the finisher (started with its own arguments)
// removes and reports. With /SILENT nothing is asked or shown: the program
// removes all but its own file itself and leaves that file and the folder
// to a finisher that removes them once the program has ended.
#pragma once

#include <string>

#include "uninstall/ports.h"

namespace uninstall {

// Exit codes. Interactive: 0 when everything ours was removed or the user
// said no, 1 otherwise. Silent: 0 all removed, 5 something had to be left
// (the log says what and why), 1 a wrong command line, 2 no installation,
// 6 a product file in use (a running Tessal): nothing removed.
constexpr int kExitDone = 0;
constexpr int kExitInteractiveFailure = 1;
constexpr int kExitBadCommandLine = 1;
constexpr int kExitNoInstallation = 2;
constexpr int kExitSomethingLeft = 5;
constexpr int kExitFileInUse = 6;

// The command line as GetCommandLineA gives it, program name and all.
int RunUninstaller(UninstallPorts& ports, const std::string& commandLine);

}  // namespace uninstall
