// The finisher's copy in a folder of its own inside the temporary folder.
// Windows looks for a DLL that is not one of its known DLLs first in the
// program's own folder, and every program of the user may write the
// temporary folder: a copy running there as administrator would load what
// any of them left. Its own folder has a name nobody can guess and, when
// this program runs as administrator, lets only Administrators and SYSTEM
// write in it. Every program of the user may still delete or rename any
// folder in the temporary folder, so the folder is made and held open in
// one step, without sharing its deletion, and stays held (by this program,
// then by the copy, which inherits the handle) until the copy removes it:
// nobody can swap it for a folder of their own in between.
#pragma once

#include <string>

#include "uninstall/ports.h"

namespace uninstall {

inline constexpr const char* kCopyFolderPrefix = "TessalUninstall";
// "Read & execute" for the users, full control for Administrators and
// SYSTEM, inherited by what is made inside, and nothing inherited from the
// temporary folder, which the user controls.
inline constexpr const char* kCopyFolderSecurity = "D:P(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)(A;OICI;0x1200a9;;;BU)";

// True when this program runs with the Administrators group enabled (under
// UAC, elevated).
bool RunsAsAdministrator(platform::Handover& handover);

struct CopyFolder {
  std::string path;         // "" when none could be made
  HANDLE handle = nullptr;  // inheritable; holds the folder until closed
};

// Makes "<temporary folder>TessalUninstall<16 hex digits>", a name that was
// not taken, and holds it.
CopyFolder MakeCopyFolder(UninstallPorts& ports, const std::string& tempFolder);
// The copy's last act, once nothing more is shown or loaded: it lets go of
// its folder (closing the inherited handle that held it), its running file
// moves out of its folder into the temporary folder, through the inherited
// delete-on-close handle that deletes it there when the copy ends, and the
// empty folder goes. When either cannot be done, both are left to be
// removed at the next restart. Does nothing for a program that is no such
// copy.
void LeaveCopyFolder(UninstallPorts& ports, const std::string& ownPath, HANDLE ownFile, HANDLE ownFolder);

}  // namespace uninstall
