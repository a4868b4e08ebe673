// What the setup program writes for an install folder, and the decisions
// whether something found on the machine is exactly that. Only what passes
// these is ever removed.
#pragma once

#include <string>

namespace uninstall {

std::string LauncherPath(const std::string& installFolder);
std::string UninstallerPath(const std::string& installFolder);
// "\"<folder>\tessal.exe\" \"%1\"", the open command the setup program gives "xmlfile".
std::string XmlOpenCommand(const std::string& installFolder);

bool IsOurShortcutTarget(const std::string& target, const std::string& installFolder);
bool IsOurXmlOpenCommand(const std::string& command, const std::string& installFolder);
bool IsOurUninstallString(const std::string& uninstallString, const std::string& installFolder);

}  // namespace uninstall
