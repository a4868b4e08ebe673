// One whole removal of an installation, in the order that keeps each step
// provable: shortcuts are read while their target's folder is still there,
// the folder goes last.
#pragma once

#include <string>

#include "uninstall/outcome.h"
#include "uninstall/ports.h"

namespace uninstall {

// True when the folder holds product files or the uninstall entry names it,
// and it is no distribution medium.
bool HoldsInstallation(UninstallPorts& ports, const std::string& installFolder);
// With ownFileInUse (this program runs from the folder's Uninstall.exe),
// that file and the folder are recorded as not removed, without trying.
Outcome RemoveInstallation(UninstallPorts& ports, const std::string& installFolder, bool ownFileInUse);

}  // namespace uninstall
