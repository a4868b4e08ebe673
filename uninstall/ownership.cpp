#include "uninstall/ownership.h"

#include "uninstall/paths.h"

namespace uninstall {

std::string LauncherPath(const std::string& installFolder) { return installFolder + "\\tessal.exe"; }

std::string UninstallerPath(const std::string& installFolder) { return installFolder + "\\Uninstall.exe"; }

std::string XmlOpenCommand(const std::string& installFolder) {
  return "\"" + LauncherPath(installFolder) + "\" \"%1\"";
}

// An empty folder would make "\tessal.exe" on any drive look like ours.
bool IsOurShortcutTarget(const std::string& target, const std::string& installFolder) {
  return !installFolder.empty() && SamePath(target, LauncherPath(installFolder));
}

bool IsOurXmlOpenCommand(const std::string& command, const std::string& installFolder) {
  return !installFolder.empty() && SamePath(command, XmlOpenCommand(installFolder));
}

bool IsOurUninstallString(const std::string& uninstallString, const std::string& installFolder) {
  return !installFolder.empty() && SamePath(uninstallString, UninstallerPath(installFolder));
}

}  // namespace uninstall
