#include "setup/wizard/program_files_dir.h"

#include <cstring>

std::string ProgramFilesDir(platform::Registry& registry) {
  HKEY key = nullptr;
  if (registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion", 0, KEY_READ, &key) !=
      ERROR_SUCCESS)
    return "";
  char buffer[MAX_PATH] = {};
  DWORD size = MAX_PATH;
  LONG rc = registry.RegQueryValueExA(key, "ProgramFilesDir", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
  registry.RegCloseKey(key);
  if (rc != ERROR_SUCCESS) return "";
  // The type is not checked: data filling the buffer without a terminator
  // ends at the buffer's end.
  return std::string(buffer, strnlen(buffer, size < MAX_PATH ? size : MAX_PATH)) + "\\";
}
