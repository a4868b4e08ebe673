#include <windows.h>
// after windows.h
#include <objbase.h>
#include <shlobj.h>

#include "tests/e2e/driver/driver.h"

namespace e2e {

Shortcut ReadShortcut(const std::string& path) {
  Shortcut shortcut{"<unreadable>", "<unreadable>"};
  ::CoInitialize(nullptr);
  IShellLinkA* link = nullptr;
  if (SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link)))) {
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      wchar_t wide[MAX_PATH];
      ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
      if (SUCCEEDED(file->Load(wide, STGM_READ))) {
        char target[MAX_PATH] = {}, folder[MAX_PATH] = {};
        link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
        link->GetWorkingDirectory(folder, MAX_PATH);
        shortcut = {target, folder};
      }
      file->Release();
    }
    link->Release();
  }
  ::CoUninitialize();
  return shortcut;
}

}  // namespace e2e
