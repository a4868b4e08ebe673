// Saving a link through the writing shell-link port, the way the setup
// program does: target, working folder, IPersistFile::Save.
#pragma once

#include <string>

#include "platform/shell_links.h"

namespace contract {

inline bool SaveLinkAsSetupDoes(platform::ShellLinks& links, const std::string& target, const std::string& linkPath,
                                const std::string& folder) {
  links.CoInitialize(nullptr);
  bool saved = false;
  {
    std::unique_ptr<platform::ShellLink> link;
    std::unique_ptr<platform::PersistFile> file;
    WCHAR wide[MAX_PATH] = {};
    if (SUCCEEDED(links.CoCreateShellLink(&link)) &&
        links.MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, wide, MAX_PATH) > 0) {
      link->SetPath(target.c_str());
      link->SetWorkingDirectory(folder.c_str());
      saved = SUCCEEDED(link->QueryPersistFile(&file)) && SUCCEEDED(file->Save(wide, TRUE));
    }
  }
  links.CoUninitialize();
  return saved;
}

}  // namespace contract
