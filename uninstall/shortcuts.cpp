#include "uninstall/shortcuts.h"

#include <cstring>
#include <optional>

#include "uninstall/file_removal.h"
#include "uninstall/ownership.h"
#include "uninstall/paths.h"

namespace uninstall {

namespace {

// The target that the link file names, or nullopt when it cannot be read as
// a link. COM lives only as long as this one read, as it does around each
// shortcut the setup program writes.
std::optional<std::string> LinkTarget(platform::ShellLinkReader& reader, const std::string& linkPath) {
  WCHAR widePath[MAX_PATH] = {};
  if (reader.MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, widePath, MAX_PATH) == 0) return std::nullopt;
  HRESULT started = reader.CoInitialize(nullptr);
  std::optional<std::string> target;
  {
    std::unique_ptr<platform::LinkReader> link;
    std::unique_ptr<platform::LinkFileLoader> loader;
    if (SUCCEEDED(reader.CoCreateLinkReader(&link)) && SUCCEEDED(link->QueryLoader(&loader)) &&
        SUCCEEDED(loader->Load(widePath, STGM_READ))) {
      char buffer[MAX_PATH] = {};
      // The raw path: the target as the setup program set it, not resolved
      // or expanded. A target that fills the buffer may have been cut, and
      // proves nothing.
      std::size_t length = 0;
      if (SUCCEEDED(link->GetPath(buffer, MAX_PATH, nullptr, SLGP_RAWPATH)) &&
          (length = strnlen(buffer, MAX_PATH)) > 0 && length < MAX_PATH - 1)
        target = std::string(buffer, length);
    }
  }  // the link object is released before COM ends
  if (SUCCEEDED(started)) reader.CoUninitialize();
  return target;
}

// True when our link was there and is now gone.
bool RemoveShortcut(UninstallPorts& ports, const std::string& linkPath, const std::string& installFolder,
                    Outcome& outcome) {
  if (!FitsMaxPath(linkPath) || !ExistsAsFile(ports.files, linkPath, outcome)) return false;
  auto target = LinkTarget(ports.links, linkPath);
  if (!target || !IsOurShortcutTarget(*target, installFolder)) {
    outcome.leftAlone.push_back(linkPath);
    return false;
  }
  return RemoveFile(ports.files, linkPath, outcome);
}

}  // namespace

void RemoveShortcuts(UninstallPorts& ports, const ShellFolders& folders, const std::string& installFolder,
                     Outcome& outcome) {
  if (!folders.programs.empty()) {
    const std::string group = folders.programs + "\\Tessal";
    // An empty group is gone with our link; one that still holds anything stays, silently.
    if (RemoveShortcut(ports, group + "\\Tessal.lnk", installFolder, outcome))
      ports.files.RemoveDirectoryA(group.c_str());
  }
  if (!folders.desktop.empty()) RemoveShortcut(ports, folders.desktop + "\\Tessal.lnk", installFolder, outcome);
  if (!folders.sendTo.empty()) RemoveShortcut(ports, folders.sendTo + "\\Tessal.lnk", installFolder, outcome);
}

}  // namespace uninstall
