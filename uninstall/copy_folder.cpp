#include "uninstall/copy_folder.h"

#include "uninstall/paths.h"

namespace uninstall {

namespace {

// 64 random bits: a name that a program cannot guess before the folder is
// there. A taken name is a clash or somebody's trap; either way the next one
// is tried, and a few clashes in a row end the hand-over.
constexpr int kNameAttempts = 5;
constexpr ULONG kRandomBytes = 8;

std::string RandomName(platform::Handover& handover) {
  BYTE bits[kRandomBytes] = {};
  if (!handover.RtlGenRandom(bits, kRandomBytes)) return "";
  static const char kDigits[] = "0123456789ABCDEF";
  std::string name = kCopyFolderPrefix;
  for (BYTE bit : bits) {
    name += kDigits[bit >> 4];
    name += kDigits[bit & 0x0F];
  }
  return name;
}

std::string TempFolder(platform::Handover& handover) {
  char buffer[MAX_PATH] = {};
  DWORD length = handover.GetTempPathA(MAX_PATH, buffer);
  return length == 0 || length >= MAX_PATH ? "" : std::string(buffer, length);
}

}  // namespace

bool RunsAsAdministrator(platform::Handover& handover) {
  BYTE sid[SECURITY_MAX_SID_SIZE] = {};
  DWORD size = sizeof sid;
  BOOL member = FALSE;
  return handover.CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, sid, &size) &&
         handover.CheckTokenMembership(nullptr, sid, &member) && member;
}

std::string MakeCopyFolder(UninstallPorts& ports, const std::string& tempFolder) {
  // Set at creation, never changed afterwards: there is no moment in which
  // the folder is open to the user.
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (RunsAsAdministrator(ports.handover) && !ports.handover.ConvertStringSecurityDescriptorToSecurityDescriptorA(
                                                 kCopyFolderSecurity, SDDL_REVISION_1, &descriptor, nullptr))
    return "";
  SECURITY_ATTRIBUTES security{sizeof(SECURITY_ATTRIBUTES), descriptor, FALSE};
  std::string made;
  for (int attempt = 0; attempt < kNameAttempts && made.empty(); ++attempt) {
    const std::string name = RandomName(ports.handover);
    if (name.empty()) break;
    const std::string folder = tempFolder + name;
    // CreateDirectoryA makes a new folder or fails: an existing folder, file
    // or reparse point of that name is never used.
    if (ports.files.CreateDirectoryA(folder.c_str(), descriptor ? &security : nullptr))
      made = folder;
    else if (ports.files.GetLastError() != ERROR_ALREADY_EXISTS)
      break;
  }
  if (descriptor) ports.handover.LocalFree(descriptor);
  return made;
}

void LeaveCopyFolder(UninstallPorts& ports, const std::string& ownPath) {
  const std::string folder = FolderOf(ownPath);
  const std::string tempFolder = TempFolder(ports.handover);
  const std::string name = NameOf(folder);
  if (tempFolder.empty() || !SamePath(FolderOf(folder) + "\\", tempFolder) ||
      !SamePath(NameOf(ownPath), "Uninstall.exe") || name.rfind(kCopyFolderPrefix, 0) != 0)
    return;
  // Renaming a running program's file is allowed where deleting it is not;
  // the inherited delete-on-close handle deletes the file, under its new
  // name, when this program ends.
  const std::string movedOut = tempFolder + name + ".exe";
  if (ports.handover.MoveFileExA(ownPath.c_str(), movedOut.c_str(), 0)) {
    // The same asked for under the new name, held until this program ends,
    // for a system that deletes at close only under the name a file was
    // opened with (Wine). Windows may refuse it for a running program's
    // file; the inherited handle does the work there.
    ports.handover.CreateFileA(movedOut.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                               FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (ports.files.RemoveDirectoryA(folder.c_str())) return;
  }
  // Removal at restart goes in order: the file (wherever it is now), then the folder.
  const bool movedFile = ports.files.GetFileAttributesA(ownPath.c_str()) == INVALID_FILE_ATTRIBUTES;
  ports.handover.MoveFileExA((movedFile ? movedOut : ownPath).c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
  ports.handover.MoveFileExA(folder.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
}

}  // namespace uninstall
