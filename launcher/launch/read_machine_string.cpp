#include "launcher/launch/read_machine_string.h"

#include <cstring>

#include "launcher/launch/launch_names.h"

namespace launcher {

int ReadMachineString(platform::Registry& registry, const std::string& subKey, const std::string& valueName,
                      std::string& value, REGSAM view) {
  // Opened for reading only: a lookup must not leave an empty runtime key
  // behind, which the setup program would take for a runtime too old.
  HKEY key = nullptr;
  if (registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, KEY_QUERY_VALUE | view, &key) != ERROR_SUCCESS)
    return 0;
  BYTE data[kRegistryValueSize] = {};
  DWORD size = sizeof data;
  LONG result = registry.RegQueryValueExA(key, valueName.c_str(), nullptr, nullptr, data, &size);
  registry.RegCloseKey(key);
  if (result != ERROR_SUCCESS) return 0;
  // A value stored without a terminator may fill the whole buffer.
  const char* text = reinterpret_cast<const char*>(data);
  value.assign(text, strnlen(text, sizeof data));
  return 1;
}

}  // namespace launcher
