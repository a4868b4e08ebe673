#include "uninstall/registry_entries.h"

#include <cstring>
#include <optional>

#include "uninstall/ownership.h"

namespace uninstall {

namespace {

constexpr const char* kXmlOpenKey = "xmlfile\\shell\\open";
constexpr const char* kXmlCommandKey = "xmlfile\\shell\\open\\command";
constexpr const char* kUninstallKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tessal";
constexpr const char* kXmlCommandName = "HKEY_CLASSES_ROOT\\xmlfile\\shell\\open\\command";

// Room for anything the setup program writes for a folder within MAX_PATH;
// a longer value is not ours and is not read whole.
constexpr DWORD kValueBuffer = 2 * MAX_PATH;

// A REG_SZ value, or nullopt when it is missing, of another type or too long to be ours.
std::optional<std::string> ReadString(platform::Registry& registry, HKEY key, const char* name) {
  char buffer[kValueBuffer] = {};
  DWORD size = sizeof buffer;
  DWORD type = REG_NONE;
  if (registry.RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS ||
      type != REG_SZ)
    return std::nullopt;
  return std::string(buffer, strnlen(buffer, size < sizeof buffer ? size : sizeof buffer));
}

std::optional<std::string> ReadStringAt(platform::Registry& registry, HKEY root, const char* keyPath,
                                        const char* name) {
  HKEY key = nullptr;
  if (registry.RegOpenKeyExA(root, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
  auto value = ReadString(registry, key, name);
  registry.RegCloseKey(key);
  return value;
}

bool KeyExists(platform::Registry& registry, HKEY root, const char* keyPath) {
  HKEY key = nullptr;
  if (registry.RegOpenKeyExA(root, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  registry.RegCloseKey(key);
  return true;
}

// Deletes the key when it holds neither values nor subkeys.
void DeleteKeyIfEmpty(platform::Registry& registry, HKEY root, const char* keyPath) {
  HKEY key = nullptr;
  if (registry.RegOpenKeyExA(root, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  DWORD subKeys = 1;
  DWORD values = 1;
  bool empty = registry.RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values, nullptr,
                                         nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
               subKeys == 0 && values == 0;
  registry.RegCloseKey(key);
  // An empty key left behind does no harm, so a failure here is not reported.
  if (empty) registry.RegDeleteKeyA(root, keyPath);
}

}  // namespace

bool UninstallEntryIsOurs(platform::Registry& registry, const std::string& installFolder) {
  auto uninstallString = ReadStringAt(registry, HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString");
  return uninstallString && IsOurUninstallString(*uninstallString, installFolder);
}

void RemoveXmlOpenCommand(platform::Registry& registry, const std::string& installFolder, Outcome& outcome) {
  auto command = ReadStringAt(registry, HKEY_CLASSES_ROOT, kXmlCommandKey, nullptr);
  // Another program's command (or none) is the machine's own: not even worth a mention.
  if (!command || !IsOurXmlOpenCommand(*command, installFolder)) return;
  HKEY key = nullptr;
  LONG result = registry.RegOpenKeyExA(HKEY_CLASSES_ROOT, kXmlCommandKey, 0, KEY_READ | KEY_SET_VALUE, &key);
  if (result == ERROR_SUCCESS) {
    result = registry.RegDeleteValueA(key, nullptr);
    registry.RegCloseKey(key);
  }
  if (result != ERROR_SUCCESS) {
    outcome.failed.push_back(kXmlCommandName);
    return;
  }
  outcome.removed.push_back(kXmlCommandName);
  DeleteKeyIfEmpty(registry, HKEY_CLASSES_ROOT, kXmlCommandKey);
  DeleteKeyIfEmpty(registry, HKEY_CLASSES_ROOT, kXmlOpenKey);
}

void RemoveUninstallEntry(platform::Registry& registry, const std::string& installFolder, Outcome& outcome) {
  if (!KeyExists(registry, HKEY_LOCAL_MACHINE, kUninstallKey)) return;  // already gone: nothing to do
  if (!UninstallEntryIsOurs(registry, installFolder)) {
    outcome.leftAlone.push_back(kUninstallEntryName);  // another installation's entry
    return;
  }
  if (registry.RegDeleteKeyA(HKEY_LOCAL_MACHINE, kUninstallKey) != ERROR_SUCCESS)
    outcome.failed.push_back(kUninstallEntryName);
  else
    outcome.removed.push_back(kUninstallEntryName);
}

}  // namespace uninstall
