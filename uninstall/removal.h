// One whole removal of an installation, in the order that keeps each step
// provable and the job finishable: shortcuts are read while their target's
// folder is still there; Uninstall.exe and the uninstall entry go only when
// everything else of ours has gone (otherwise they stay, so that running
// the uninstaller again from the list of programs finishes the job); the
// folder goes last.
#pragma once

#include <string>

#include "uninstall/outcome.h"
#include "uninstall/ports.h"
#include "uninstall/protected_folders.h"

namespace uninstall {

// True when the folder holds product files or the uninstall entry names it,
// and it is no distribution medium.
bool HoldsInstallation(UninstallPorts& ports, const std::string& installFolder);

// Shortcuts, the XML open command and the product files.
Outcome RemoveAllButTheUninstaller(UninstallPorts& ports, const std::string& installFolder);
// True when nothing of ours failed so far, so that Uninstall.exe and the entry may go.
bool MayRemoveTheUninstaller(const Outcome& outcome);
// Records Uninstall.exe and the entry (when it is ours) as kept.
void KeepTheUninstaller(UninstallPorts& ports, const std::string& installFolder, Outcome& outcome);
// After the rest: removes the entry, and true, when Uninstall.exe may go
// too; otherwise records why both stay.
bool RemoveEntryUnlessTheUninstallerMustStay(UninstallPorts& ports, const std::string& installFolder, Outcome& outcome);
// The folders that are never removed: protected_folders.h and the user's
// shell folders as the setup program reads them.
ProtectedFolders FoldersNeverRemoved(UninstallPorts& ports);

// The whole removal once no program runs from the folder's Uninstall.exe.
Outcome RemoveInstallation(UninstallPorts& ports, const std::string& installFolder);
// The whole removal while this program runs from the folder's Uninstall.exe
// and no copy can take over: that file, the entry and so the folder stay.
Outcome RemoveInstallationButOwnFile(UninstallPorts& ports, const std::string& installFolder);

}  // namespace uninstall
