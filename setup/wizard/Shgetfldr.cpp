#include "setup/wizard/Shgetfldr.h"

#include <cstring>
#include <vector>

namespace {

struct BrowseStart {
  platform::FolderBrowser* shell;
  const std::string* folder;
};

// Selects the starting folder as soon as the dialog is up.
int CALLBACK SelectStartFolder(HWND dialog, UINT message, LPARAM, LPARAM data) {
  auto* start = reinterpret_cast<BrowseStart*>(data);
  if (message == BFFM_INITIALIZED && !start->folder->empty())
    start->shell->SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(start->folder->c_str()));
  return 0;
}

}  // namespace

bool BrowseFolder(platform::FolderBrowser& shell, HWND owner, const std::string& title, const std::wstring& root,
                  std::string& folder, const std::string& startFolder) {
  folder.clear();
  std::unique_ptr<platform::ShellMalloc> malloc;
  if (FAILED(shell.SHGetMalloc(&malloc)) || !malloc) return false;
  char* buffer = static_cast<char*>(malloc->Alloc(MAX_PATH));
  if (!buffer) return false;
  buffer[0] = '\0';

  std::unique_ptr<platform::DesktopFolder> desktop;
  LPITEMIDLIST rootList = nullptr;
  if (!root.empty() && SUCCEEDED(shell.SHGetDesktopFolder(&desktop)) && desktop) {
    std::vector<WCHAR> name(root.begin(), root.end());
    name.push_back(0);
    desktop->ParseDisplayName(owner, name.data(), &rootList);  // on failure there is no root
  }

  BrowseStart start{&shell, &startFolder};
  BROWSEINFOA info = {};
  info.hwndOwner = owner;
  info.pidlRoot = rootList;
  info.pszDisplayName = buffer;
  info.lpszTitle = title.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  info.lpfn = SelectStartFolder;
  info.lParam = reinterpret_cast<LPARAM>(&start);

  std::vector<HWND> disabled = shell.DisableThreadWindows();
  LPITEMIDLIST chosen = nullptr;
  try {
    chosen = shell.SHBrowseForFolderA(&info);
  } catch (...) {
    shell.EnableWindows(disabled);
    malloc->Free(buffer);
    if (rootList) malloc->Free(rootList);
    throw;
  }
  shell.EnableWindows(disabled);

  bool result = chosen != nullptr;
  if (result) {
    if (shell.SHGetPathFromIDListA(chosen, buffer)) folder.assign(buffer, strnlen(buffer, MAX_PATH));
    malloc->Free(chosen);
    result = !folder.empty();  // a choice without a file-system path is no folder
  }
  if (rootList) malloc->Free(rootList);
  malloc->Free(buffer);
  return result;
}
