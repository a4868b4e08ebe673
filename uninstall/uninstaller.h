// The uninstaller's whole run. Started with no arguments from the install
// folder (as Windows starts the uninstall entry), it checks that the folder
// holds an installation, asks, and hands the removal to its finisher; the
// finisher (started with its own arguments) removes and reports.
#pragma once

#include <string>

#include "uninstall/ports.h"

namespace uninstall {

// The exit code: 0 when everything ours was removed or the user said no,
// 1 when something was refused or could not be removed.
int RunUninstaller(UninstallPorts& ports, const std::string& arguments);

}  // namespace uninstall
