#include "setup/engine/shell_integration.h"

#include <cstring>
#include <vector>

namespace engine {

namespace {

constexpr const char* kShellFoldersKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr const char* kXmlOpenCommandKey = "xmlfile\\shell\\open\\command";
constexpr const char* kXmlDdeKey = "xmlfile\\shell\\open\\ddeexec";
constexpr const char* kUninstallKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tessal";
constexpr const char* kProductName = "Tessal";
constexpr const char* kProductVersion = "1.2.0.0";  // the version resource's product version
constexpr const char* kLinkName = "\\Tessal.lnk";
constexpr const char* kProgramGroup = "\\Tessal";
constexpr DWORD kPathBuffer = MAX_PATH;

std::string LauncherPath(const std::string& installFolder) { return installFolder + "\\tessal.exe"; }

// A path that still fits the shell's 260-byte buffers with its terminator.
bool FitsPathBuffer(const std::string& path) { return path.size() + 1 <= kPathBuffer; }

// Reads a shell folder into a 260-byte buffer; false when the read fails.
bool ReadShellFolder(platform::Registry& registry, HKEY key, const char* valueName, std::string& folder) {
  char buffer[kPathBuffer] = {};
  DWORD size = sizeof buffer;
  DWORD type = REG_SZ;
  if (registry.RegQueryValueExA(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
      ERROR_SUCCESS)
    return false;
  // The value's type is not checked: data that fills the buffer without a
  // terminator ends at the buffer's end.
  folder.assign(buffer, strnlen(buffer, size < sizeof buffer ? size : sizeof buffer));
  return true;
}

void WriteShortcut(platform::ShellLinks& links, const std::string& launcher, const std::string& linkPath,
                   const std::string& installFolder, InstallLog& log) {
  if (!FitsPathBuffer(linkPath)) {  // no room for it: this shortcut is skipped
    log.Line("Shortcut skipped, its path is too long: " + linkPath);
    return;
  }
  links.CoInitialize(nullptr);
  // A failed shortcut does not stop the next.
  HRESULT result = CreateShellLink(links, launcher, linkPath, installFolder);
  links.CoUninitialize();
  if (SUCCEEDED(result))
    log.Line("Shortcut written: " + linkPath + " -> " + launcher);
  else
    log.Line("Shortcut could not be written (" + HexCode(static_cast<unsigned long>(result)) + "): " + linkPath);
}

// Logs "KEY\NAME = shown" when the value was written, the error when not.
bool Logged(LONG result, InstallLog& log, const std::string& keyName, const char* name, const std::string& shown) {
  const std::string value = keyName + "\\" + (name ? name : "(default)");
  if (result == ERROR_SUCCESS)
    log.Line("Registry value written: " + value + " = " + shown);
  else
    log.Line("Registry value could not be written (error " + std::to_string(result) + "): " + value);
  return result == ERROR_SUCCESS;
}

bool SetString(platform::Registry& registry, HKEY key, const char* name, const std::string& text,
               InstallLog& log = NoLog(), const std::string& keyName = "") {
  LONG result = registry.RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                        static_cast<DWORD>(text.size() + 1));
  return Logged(result, log, keyName, name, text);
}

bool SetDword(platform::Registry& registry, HKEY key, const char* name, DWORD number, InstallLog& log,
              const std::string& keyName) {
  LONG result = registry.RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
  return Logged(result, log, keyName, name, std::to_string(number) + " (REG_DWORD)");
}

HKEY CreateKey(platform::Registry& registry, HKEY root, const char* subKey, InstallLog& log,
               const std::string& keyName) {
  HKEY key = nullptr;
  char emptyClass[] = "";
  DWORD disposition = 0;
  LONG result = registry.RegCreateKeyExA(root, subKey, 0, emptyClass, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                                         &key, &disposition);
  if (result == ERROR_SUCCESS) return key;
  log.Line("Registry key could not be created or opened (error " + std::to_string(result) + "): " + keyName);
  return nullptr;
}

}  // namespace

void CreateShortcuts(ShellPorts& ports, const std::string& installFolder, bool startMenu, bool desktop, bool sendTo,
                     InstallLog& log) {
  HKEY key = nullptr;
  LONG opened = ports.registry.RegOpenKeyExA(HKEY_CURRENT_USER, kShellFoldersKey, 0, KEY_READ, &key);
  if (opened != ERROR_SUCCESS) {
    log.Line("No shortcut made: HKCU\\" + std::string(kShellFoldersKey) + " could not be opened (error " +
             std::to_string(opened) + ")");
    return;
  }
  const std::string launcher = LauncherPath(installFolder);

  const struct {
    bool wanted;
    const char* valueName;
    bool programGroup;
  } places[] = {{startMenu, "Programs", true}, {desktop, "Desktop", false}, {sendTo, "SendTo", false}};

  for (const auto& place : places) {
    if (!place.wanted) continue;
    std::string folder;
    if (!ReadShellFolder(ports.registry, key, place.valueName, folder)) {  // and no later shortcut either
      log.Line(std::string("No further shortcut made: the shell folder \"") + place.valueName + "\" could not be read");
      break;
    }
    if (place.programGroup) {
      folder += kProgramGroup;
      if (!FitsPathBuffer(folder)) {
        log.Line("Shortcut skipped, its path is too long: " + folder);
        continue;
      }
      ports.files.CreateDirectoryA(folder.c_str(), nullptr);  // an existing group is simply reused
    }
    WriteShortcut(ports.links, launcher, folder + kLinkName, installFolder, log);
  }
  ports.registry.RegCloseKey(key);
}

HRESULT CreateShellLink(platform::ShellLinks& links, const std::string& target, const std::string& linkPath,
                        const std::string& workingFolder) {
  std::unique_ptr<platform::ShellLink> link;
  HRESULT result = links.CoCreateShellLink(&link);
  if (FAILED(result)) return result;
  link->SetPath(target.c_str());  // S_FALSE for a target not there yet is fine
  link->SetWorkingDirectory(workingFolder.c_str());
  std::unique_ptr<platform::PersistFile> file;
  result = link->QueryPersistFile(&file);
  if (SUCCEEDED(result)) {
    WCHAR widePath[kPathBuffer] = {};
    if (links.MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, widePath, kPathBuffer) == 0) return E_FAIL;
    result = file->Save(widePath, TRUE);
  }
  return result;
}

std::string XmlOpenCommand(const std::string& installFolder) {
  std::string command = "\"";
  command += LauncherPath(installFolder);
  command += "\" \"%1\"";
  return command;
}

void AssociateXmlFiles(platform::Registry& registry, const std::string& installFolder, InstallLog& log) {
  const std::string command = XmlOpenCommand(installFolder);
  const std::string keyName = std::string("HKCR\\") + kXmlOpenCommandKey;
  HKEY key = CreateKey(registry, HKEY_CLASSES_ROOT, kXmlOpenCommandKey, log, keyName);
  if (!key) return;
  bool written = SetString(registry, key, nullptr, command, log, keyName);
  registry.RegCloseKey(key);
  if (!written) return;
  // Without ddeexec the shell runs the command itself instead of opening a
  // DDE conversation with a program that is not ours.
  auto present = [&registry] {
    HKEY dde = nullptr;
    if (registry.RegOpenKeyExA(HKEY_CLASSES_ROOT, kXmlDdeKey, 0, KEY_READ, &dde) != ERROR_SUCCESS) return false;
    registry.RegCloseKey(dde);
    return true;
  };
  if (!present()) return;
  DeleteKeyTree(registry, HKEY_CLASSES_ROOT, kXmlDdeKey);
  log.Line((present() ? "Registry key could not be deleted: HKCR\\" : "Registry key deleted: HKCR\\") +
           std::string(kXmlDdeKey));
}

void DeleteKeyTree(platform::Registry& registry, HKEY root, const std::string& subKey) {
  HKEY key = nullptr;
  if (registry.RegOpenKeyExA(root, subKey.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
  DWORD subKeys = 0;
  DWORD longest = 0;
  if (registry.RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subKeys, &longest, nullptr, nullptr, nullptr, nullptr,
                                nullptr, nullptr) == ERROR_SUCCESS) {
    // The longest name is counted in characters; a double-byte name needs up
    // to twice as many bytes.
    std::vector<char> name(2 * static_cast<size_t>(longest) + 1);
    for (DWORD index = subKeys; index-- > 0;) {
      DWORD size = static_cast<DWORD>(name.size());
      if (registry.RegEnumKeyExA(key, index, name.data(), &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS)
        DeleteKeyTree(registry, root, subKey + "\\" + std::string(name.data(), size));
    }
  }
  registry.RegCloseKey(key);
  registry.RegDeleteKeyA(root, subKey.c_str());
}

void RegisterUninstall(platform::Registry& registry, const std::string& installFolder, DWORD estimatedSizeKiB,
                       InstallLog& log) {
  const std::string uninstaller = installFolder + "\\Uninstall.exe";
  const std::string keyName = std::string("HKLM\\") + kUninstallKey;
  HKEY key = CreateKey(registry, HKEY_LOCAL_MACHINE, kUninstallKey, log, keyName);
  if (!key) return;
  // In this order, each only after the one before it was written.
  (void)(SetString(registry, key, "DisplayName", kProductName, log, keyName) &&
         SetString(registry, key, "UninstallString", uninstaller, log, keyName) &&
         SetString(registry, key, "DisplayIcon", LauncherPath(installFolder), log, keyName) &&
         SetString(registry, key, "DisplayVersion", kProductVersion, log, keyName) &&
         SetString(registry, key, "InstallLocation", installFolder, log, keyName) &&
         SetDword(registry, key, "EstimatedSize", estimatedSizeKiB, log, keyName) &&
         SetDword(registry, key, "NoModify", 1, log, keyName) && SetDword(registry, key, "NoRepair", 1, log, keyName) &&
         SetString(registry, key, "QuietUninstallString", "\"" + uninstaller + "\" /SILENT", log, keyName));
  registry.RegCloseKey(key);
}

}  // namespace engine
