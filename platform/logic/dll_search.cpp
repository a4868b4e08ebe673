#include "platform/dll_search.h"

#include <string>

namespace platform {

namespace {

// Not KnownDLLs on every Windows from XP to 11, and loaded by name by the
// system's own DLLs (the common controls, the shell, COM, the themes, the
// loader's compatibility layer) after the program has started.
constexpr const char* kLoadedLaterByName[] = {
    "uxtheme",  "dwmapi", "version", "cryptbase", "propsys", "userenv", "apphelp",
    "setupapi", "oleacc", "clbcatq", "ntmarta",   "profapi", "comres",
};

// On Vista the shell-link object cannot be created once the search is
// narrowed to the system folder.
bool IsVista(DllSearch& dlls) {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  return dlls.GetVersionExA(&version) && version.dwMajorVersion == 6 && version.dwMinorVersion == 0;
}

constexpr DWORD kNoFile = 0xFFFFFFFFu;  // INVALID_FILE_ATTRIBUTES
constexpr DWORD kFolder = 0x10;         // FILE_ATTRIBUTE_DIRECTORY

}  // namespace

void NarrowDllSearch(DllSearch& dlls) {
  if (!IsVista(dlls) && dlls.SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
  dlls.SetDllDirectoryA("");
  char system[MAX_PATH] = {};
  const UINT length = dlls.GetSystemDirectoryA(system, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  for (const char* name : kLoadedLaterByName) {
    const std::string path = std::string(system, length) + "\\" + name + ".dll";
    const DWORD attributes = dlls.GetFileAttributesA(path.c_str());
    if (attributes == kNoFile || (attributes & kFolder)) continue;  // not on this Windows
    // Kept loaded for the program's life. Its own imports are looked for
    // beside it, in the system folder, first.
    dlls.LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  }
}

}  // namespace platform
