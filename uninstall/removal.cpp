#include "uninstall/removal.h"

#include "uninstall/install_files.h"
#include "uninstall/ownership.h"
#include "uninstall/registry_entries.h"
#include "uninstall/shell_folders.h"
#include "uninstall/shortcuts.h"
#include "uninstall/texts.h"

namespace uninstall {

bool HoldsInstallation(UninstallPorts& ports, const std::string& installFolder) {
  if (IsDistributionMedium(ports.files, installFolder)) return false;
  return HoldsProductFiles(ports.files, installFolder) || UninstallEntryIsOurs(ports.registry, installFolder);
}

Outcome RemoveAllButTheUninstaller(UninstallPorts& ports, const std::string& installFolder) {
  Outcome outcome;
  RemoveShortcuts(ports, ReadShellFolders(ports.registry), installFolder, outcome);
  RemoveXmlOpenCommand(ports.registry, installFolder, outcome);
  RemoveProductFiles(ports.files, installFolder, outcome);
  return outcome;
}

bool MayRemoveTheUninstaller(const Outcome& outcome) { return outcome.failed.empty(); }

void KeepTheUninstaller(UninstallPorts& ports, const std::string& installFolder, Outcome& outcome) {
  outcome.kept.push_back(UninstallerPath(installFolder));
  if (UninstallEntryIsOurs(ports.registry, installFolder)) outcome.kept.push_back(kUninstallEntryName);
}

ProtectedFolders FoldersNeverRemoved(UninstallPorts& ports) {
  ProtectedFolders folders = ReadProtectedFolders(ports);
  const ShellFolders shell = ReadShellFolders(ports.registry);
  for (const std::string& folder : {shell.programs, shell.desktop, shell.sendTo})
    if (!folder.empty()) folders.folders.push_back(folder);
  return folders;
}

bool RemoveEntryUnlessTheUninstallerMustStay(UninstallPorts& ports, const std::string& installFolder,
                                             Outcome& outcome) {
  if (!MayRemoveTheUninstaller(outcome)) {
    KeepTheUninstaller(ports, installFolder, outcome);
    return false;
  }
  const std::string uninstaller = UninstallerPath(installFolder);
  DWORD attributes = ports.files.GetFileAttributesA(uninstaller.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    // Marked on purpose, and so left; it can run again, so its entry stays with it.
    outcome.failed.push_back(uninstaller + kReadOnlyNote);
    if (UninstallEntryIsOurs(ports.registry, installFolder)) outcome.kept.push_back(kUninstallEntryName);
    return false;
  }
  const auto failedBefore = outcome.failed.size();
  RemoveUninstallEntry(ports.registry, installFolder, outcome);
  if (outcome.failed.size() == failedBefore) return true;
  outcome.kept.push_back(uninstaller);  // the entry is still there, and so the program it starts stays
  return false;
}

Outcome RemoveInstallation(UninstallPorts& ports, const std::string& installFolder) {
  Outcome outcome = RemoveAllButTheUninstaller(ports, installFolder);
  if (!RemoveEntryUnlessTheUninstallerMustStay(ports, installFolder, outcome)) return outcome;
  RemoveUninstaller(ports, installFolder, outcome);
  if (outcome.Complete()) RemoveInstallFolder(ports.files, FoldersNeverRemoved(ports), installFolder, outcome);
  return outcome;
}

Outcome RemoveInstallationButOwnFile(UninstallPorts& ports, const std::string& installFolder) {
  Outcome outcome = RemoveAllButTheUninstaller(ports, installFolder);
  outcome.failed.push_back(UninstallerPath(installFolder));
  if (UninstallEntryIsOurs(ports.registry, installFolder)) outcome.kept.push_back(kUninstallEntryName);
  return outcome;
}

}  // namespace uninstall
