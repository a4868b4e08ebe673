#include "uninstall/removal.h"

#include "uninstall/install_files.h"
#include "uninstall/ownership.h"
#include "uninstall/registry_entries.h"
#include "uninstall/shortcuts.h"

namespace uninstall {

bool HoldsInstallation(UninstallPorts& ports, const std::string& installFolder) {
  if (IsDistributionMedium(ports.files, installFolder)) return false;
  return HoldsProductFiles(ports.files, installFolder) || UninstallEntryIsOurs(ports.registry, installFolder);
}

Outcome RemoveInstallation(UninstallPorts& ports, const std::string& installFolder, bool ownFileInUse) {
  Outcome outcome;
  const ShellFolders shellFolders = ReadShellFolders(ports.registry);
  RemoveShortcuts(ports, shellFolders, installFolder, outcome);
  RemoveXmlOpenCommand(ports.registry, installFolder, outcome);
  RemoveUninstallEntry(ports.registry, installFolder, outcome);
  RemoveProductFiles(ports.files, installFolder, outcome);
  if (ownFileInUse) {
    outcome.failed.push_back(UninstallerPath(installFolder));
    outcome.failed.push_back(installFolder);
  } else {
    RemoveUninstaller(ports, installFolder, outcome);
    RemoveInstallFolder(ports.files, shellFolders, installFolder, outcome);
  }
  return outcome;
}

}  // namespace uninstall
