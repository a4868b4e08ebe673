// The shortcuts "Tessal.lnk" in the program group, on the desktop and in
// SendTo: removed only when the link's target is this install folder's
// launcher; the program group goes too when that leaves it empty.
#pragma once

#include <string>

#include "uninstall/outcome.h"
#include "uninstall/ports.h"
#include "uninstall/shell_folders.h"

namespace uninstall {

void RemoveShortcuts(UninstallPorts& ports, const ShellFolders& folders, const std::string& installFolder,
                     Outcome& outcome);

}  // namespace uninstall
