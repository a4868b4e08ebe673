#include "uninstall/shell_folders.h"

#include <cstring>

namespace uninstall {

namespace {

constexpr const char* kShellFoldersKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// Into a 260-byte buffer, as the setup program reads it; data that fills the
// buffer without a terminator ends at the buffer's end.
std::string ReadFolder(platform::Registry& registry, HKEY key, const char* valueName) {
  char buffer[MAX_PATH] = {};
  DWORD size = sizeof buffer;
  DWORD type = REG_NONE;
  if (registry.RegQueryValueExA(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
          ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ))
    return "";
  return std::string(buffer, strnlen(buffer, size < sizeof buffer ? size : sizeof buffer));
}

}  // namespace

ShellFolders ReadShellFolders(platform::Registry& registry) {
  HKEY key = nullptr;
  if (registry.RegOpenKeyExA(HKEY_CURRENT_USER, kShellFoldersKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return {};
  ShellFolders folders{ReadFolder(registry, key, "Programs"), ReadFolder(registry, key, "Desktop"),
                       ReadFolder(registry, key, "SendTo")};
  registry.RegCloseKey(key);
  return folders;
}

}  // namespace uninstall
