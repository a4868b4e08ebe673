#include "uninstall/protected_folders.h"

#include <cstring>

#include "uninstall/paths.h"

namespace uninstall {

namespace {

// Every folder of the user and of all users that the shell names, and the
// system's own. CSIDL_FLAG_DONT_VERIFY: a folder that is not there yet
// still has its place, and a later install into it is still refused.
constexpr int kShellFolderIds[] = {
    CSIDL_PERSONAL,
    CSIDL_COMMON_DOCUMENTS,
    CSIDL_DESKTOPDIRECTORY,
    CSIDL_COMMON_DESKTOPDIRECTORY,
    CSIDL_FAVORITES,
    CSIDL_COMMON_FAVORITES,
    CSIDL_MYMUSIC,
    CSIDL_COMMON_MUSIC,
    CSIDL_MYPICTURES,
    CSIDL_COMMON_PICTURES,
    CSIDL_MYVIDEO,
    CSIDL_COMMON_VIDEO,
    CSIDL_STARTMENU,
    CSIDL_COMMON_STARTMENU,
    CSIDL_PROGRAMS,
    CSIDL_COMMON_PROGRAMS,
    CSIDL_STARTUP,
    CSIDL_COMMON_STARTUP,
    CSIDL_SENDTO,
    CSIDL_APPDATA,
    CSIDL_COMMON_APPDATA,
    CSIDL_LOCAL_APPDATA,
    CSIDL_TEMPLATES,
    CSIDL_COMMON_TEMPLATES,
    CSIDL_PROFILE,
    CSIDL_WINDOWS,
    CSIDL_SYSTEM,
    CSIDL_SYSTEMX86,
    CSIDL_PROGRAM_FILES,
    CSIDL_PROGRAM_FILESX86,
    CSIDL_PROGRAM_FILES_COMMON,
    CSIDL_PROGRAM_FILES_COMMONX86,
};

// A 32-bit program on 64-bit Windows is told the (x86) folders by the shell;
// the other view's folders are in the registry (the W6432 values from
// Windows 7 on), read in both registry views.
constexpr const char* kCurrentVersionKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
constexpr const char* kProgramFilesValues[] = {"ProgramFilesDir", "ProgramFilesDir (x86)", "ProgramW6432Dir",
                                               "CommonFilesDir",  "CommonFilesDir (x86)",  "CommonW6432Dir"};

// Downloads has no CSIDL; its known-folder call exists only from Vista on,
// and a program that imports it does not start on XP. Vista and later keep
// its place in User Shell Folders under its known-folder id (unexpanded);
// XP has no Downloads folder. The profile's own Downloads is protected as
// well, which is where it is when that value is absent.
constexpr const char* kUserShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
constexpr const char* kDownloadsId = "{374DE290-123F-4565-9164-39C4925E467B}";

std::string ReadValue(platform::Registry& registry, HKEY root, const char* keyPath, REGSAM view, const char* name) {
  HKEY key = nullptr;
  if (registry.RegOpenKeyExA(root, keyPath, 0, KEY_READ | view, &key) != ERROR_SUCCESS) return "";
  char buffer[MAX_PATH] = {};
  DWORD size = sizeof buffer;
  DWORD type = REG_NONE;
  LONG result = registry.RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
  registry.RegCloseKey(key);
  if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return "";
  return std::string(buffer, strnlen(buffer, size < sizeof buffer ? size : sizeof buffer));
}

// The count the call returns is not the same on every system for double-byte
// text (Wine counts characters, not bytes), so the buffer has room to spare
// and the terminator decides whether the path fits.
std::string Expanded(platform::SystemFolders& system, const std::string& path) {
  char buffer[2 * MAX_PATH] = {};
  DWORD size = system.ExpandEnvironmentStringsA(path.c_str(), buffer, sizeof buffer);
  const std::size_t length = strnlen(buffer, sizeof buffer);
  return size == 0 || size > sizeof buffer || length >= MAX_PATH ? "" : std::string(buffer, length);
}

// Without one trailing separator that is no trail byte, but a root keeps its own.
std::string WithoutTrailingSeparator(const std::string& folder) {
  if (folder.empty() || folder.back() != '\\' || IsDriveRoot(folder)) return folder;
  const std::string name = NameOf(folder);
  return name.empty() ? folder.substr(0, folder.size() - 1) : folder;
}

}  // namespace

ProtectedFolders ReadProtectedFolders(UninstallPorts& ports) {
  ProtectedFolders result;
  auto add = [&result](const std::string& folder) {
    if (!folder.empty()) result.folders.push_back(folder);
  };
  for (int id : kShellFolderIds) {
    char buffer[MAX_PATH] = {};
    if (SUCCEEDED(
            ports.system.SHGetFolderPathA(nullptr, id | CSIDL_FLAG_DONT_VERIFY, nullptr, SHGFP_TYPE_CURRENT, buffer)))
      add(std::string(buffer, strnlen(buffer, MAX_PATH)));
  }
  for (REGSAM view : {REGSAM{0}, REGSAM{KEY_WOW64_64KEY}})
    for (const char* name : kProgramFilesValues)
      add(ReadValue(ports.registry, HKEY_LOCAL_MACHINE, kCurrentVersionKey, view, name));
  add(Expanded(ports.system, ReadValue(ports.registry, HKEY_CURRENT_USER, kUserShellFoldersKey, 0, kDownloadsId)));
  char profile[MAX_PATH] = {};
  if (SUCCEEDED(ports.system.SHGetFolderPathA(nullptr, CSIDL_PROFILE | CSIDL_FLAG_DONT_VERIFY, nullptr,
                                              SHGFP_TYPE_CURRENT, profile)) &&
      profile[0])
    add(std::string(profile, strnlen(profile, MAX_PATH)) + "\\Downloads");
  char temp[MAX_PATH] = {};
  DWORD length = ports.handover.GetTempPathA(MAX_PATH, temp);
  if (length > 0 && length < MAX_PATH) add(std::string(temp, length));
  return result;
}

bool IsProtected(const ProtectedFolders& protectedFolders, const std::string& folder) {
  if (IsDriveRoot(folder)) return true;
  const std::string candidate = WithoutTrailingSeparator(folder);
  for (const std::string& known : protectedFolders.folders)
    if (SamePath(WithoutTrailingSeparator(known), candidate)) return true;
  return false;
}

}  // namespace uninstall
