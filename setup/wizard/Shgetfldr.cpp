#include "setup/wizard/Shgetfldr.h"

#include <cstring>
#include <vector>

namespace {

struct BrowseStart {
  platform::FolderBrowser* shell;
  const std::string* folder;
  const std::vector<HWND>* disabled;
};

// As soon as the dialog is up: the wizard's windows are to be enabled again
// before the dialog goes, and the starting folder is selected.
int CALLBACK SelectStartFolder(HWND dialog, UINT message, LPARAM, LPARAM data) {
  auto* start = reinterpret_cast<BrowseStart*>(data);
  if (message != BFFM_INITIALIZED) return 0;
  start->shell->EnableWindowsOnClose(dialog, *start->disabled);
  if (!start->folder->empty())
    start->shell->SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(start->folder->c_str()));
  return 0;
}

// COM of this thread for as long as the browse lasts; declared before the
// shell's objects, so that they are released before COM goes.
class ComApartment {
 public:
  explicit ComApartment(platform::FolderBrowser& shell) : shell_(shell), ok_(SUCCEEDED(shell.CoInitialize(nullptr))) {}
  ~ComApartment() {
    if (ok_) shell_.CoUninitialize();  // also after S_FALSE: every success is undone
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  platform::FolderBrowser& shell_;
  bool ok_;
};

}  // namespace

bool BrowseFolder(platform::FolderBrowser& shell, HWND owner, const std::string& title, const std::wstring& root,
                  std::string& folder, const std::string& startFolder) {
  folder.clear();
  ComApartment com(shell);
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

  std::vector<HWND> disabled;
  BrowseStart start{&shell, &startFolder, &disabled};
  BROWSEINFOA info = {};
  info.hwndOwner = owner;
  info.pidlRoot = rootList;
  info.pszDisplayName = buffer;
  info.lpszTitle = title.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  info.lpfn = SelectStartFolder;
  info.lParam = reinterpret_cast<LPARAM>(&start);

  disabled = shell.DisableThreadWindows();
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
