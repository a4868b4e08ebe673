// The registry entries the setup program makes: the "xmlfile" open command
// and the uninstall entry "Tessal". Each is removed only when it still names
// this install folder.
#pragma once

#include <string>

#include "platform/registry.h"
#include "uninstall/outcome.h"

namespace uninstall {

inline constexpr const char* kUninstallEntryName =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tessal";

// True when the uninstall entry names this folder's Uninstall.exe.
bool UninstallEntryIsOurs(platform::Registry& registry, const std::string& installFolder);
// The command value goes; the rest of "xmlfile" stays as it is, except the
// "command" and "open" keys when that leaves them empty. The command that
// was there before the setup program was never saved, so it cannot come back.
void RemoveXmlOpenCommand(platform::Registry& registry, const std::string& installFolder, Outcome& outcome);
void RemoveUninstallEntry(platform::Registry& registry, const std::string& installFolder, Outcome& outcome);

}  // namespace uninstall
