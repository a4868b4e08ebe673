// How the installed product is tied into the shell: shortcuts for the
// current user, the open command of XML files, and the entry in the list of
// installed programs. Every operation stops silently at its first failing
// step and keeps what it had done until then; the log is told what was
// written and where it stopped.
#pragma once

#include <string>

#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/shell_links.h"
#include "setup/engine/install_log.h"

namespace engine {

struct ShellPorts {
  platform::Registry& registry;
  platform::FileSystem& files;
  platform::ShellLinks& links;
};

// "Tessal.lnk" in the program group "Tessal" of the Start menu, on the
// desktop and in SendTo, each on request, in that order; each points at the
// launcher with the install folder as working directory.
void CreateShortcuts(ShellPorts& ports, const std::string& installFolder, bool startMenu, bool desktop, bool sendTo,
                     InstallLog& log = NoLog());

// Writes one shortcut file; the HRESULT of the step that ended it.
HRESULT CreateShellLink(platform::ShellLinks& links, const std::string& target, const std::string& linkPath,
                        const std::string& workingFolder);

// Makes XML files open with the launcher: the open command of "xmlfile",
// and no DDE conversation.
void AssociateXmlFiles(platform::Registry& registry, const std::string& installFolder, InstallLog& log = NoLog());

// The uninstall entry "Tessal": its display name and uninstaller path, then
// what the list of installed programs shows and what distribution tools
// run: the launcher's icon, the version, the folder, the size of the
// installed files in KiB, no change or repair mode, the silent uninstall.
void RegisterUninstall(platform::Registry& registry, const std::string& installFolder, DWORD estimatedSizeKiB = 0,
                       InstallLog& log = NoLog());

// Deletes a key with all its subkeys, depth first; a missing key is no error.
void DeleteKeyTree(platform::Registry& registry, HKEY root, const std::string& subKey);

// The launcher's open command for a document: both paths in double quotes.
std::string XmlOpenCommand(const std::string& installFolder);

}  // namespace engine
