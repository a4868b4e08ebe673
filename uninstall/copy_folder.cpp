#include "uninstall/copy_folder.h"

#include <cstddef>
#include <cstring>

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

// A path in the form the ntdll calls take (\??\C:\...), wide, without
// terminator; 0 bytes when it does not convert or fit.
constexpr int kNtNameSize = MAX_PATH + 4;

ULONG NtName(UninstallPorts& ports, const std::string& path, WCHAR (&wide)[kNtNameSize]) {
  const std::string ntName = "\\??\\" + path;
  const int length = ports.links.MultiByteToWideChar(CP_ACP, 0, ntName.c_str(), -1, wide, kNtNameSize);
  return length <= 1 ? 0 : static_cast<ULONG>(length - 1) * sizeof(WCHAR);
}

// Renaming a running program's file is allowed where deleting it is not.
// Through the delete-on-close handle itself, so that the deletion at its
// close surely finds the file under its new name (Windows ties it to the
// file, Wine to the name the handle knows).
bool RenameByHandle(UninstallPorts& ports, HANDLE file, const std::string& newName) {
  WCHAR wide[kNtNameSize] = {};
  const ULONG nameBytes = NtName(ports, newName, wide);
  if (nameBytes == 0) return false;
  alignas(FILE_RENAME_INFORMATION) BYTE buffer[sizeof(FILE_RENAME_INFORMATION) + sizeof wide] = {};
  auto* rename = reinterpret_cast<FILE_RENAME_INFORMATION*>(buffer);
  rename->ReplaceIfExists = FALSE;
  rename->RootDirectory = nullptr;
  rename->FileNameLength = nameBytes;
  std::memcpy(rename->FileName, wide, nameBytes);
  IO_STATUS_BLOCK status{};
  return ports.handover.NtSetInformationFile(
             file, &status, rename, static_cast<ULONG>(offsetof(FILE_RENAME_INFORMATION, FileName)) + nameBytes,
             FileRenameInformation) >= 0;
}

constexpr NTSTATUS kNameCollision = static_cast<NTSTATUS>(0xC0000035u);

// One step: a new folder (never one that is there, whatever it is, a
// reparse point included) and a handle that holds it, which the copy
// inherits. Without FILE_SHARE_DELETE nobody can delete or rename the
// folder while the handle is open.
NTSTATUS CreateHeldFolder(UninstallPorts& ports, const std::string& folder, PSECURITY_DESCRIPTOR descriptor,
                          HANDLE& handle) {
  WCHAR wide[kNtNameSize] = {};
  const ULONG nameBytes = NtName(ports, folder, wide);
  if (nameBytes == 0) return static_cast<NTSTATUS>(0xC0000033u);  // STATUS_OBJECT_NAME_INVALID
  UNICODE_STRING name{static_cast<USHORT>(nameBytes), static_cast<USHORT>(nameBytes + sizeof(WCHAR)), wide};
  OBJECT_ATTRIBUTES attributes{};
  attributes.Length = sizeof attributes;
  attributes.ObjectName = &name;
  attributes.Attributes = OBJ_CASE_INSENSITIVE | OBJ_INHERIT;
  attributes.SecurityDescriptor = descriptor;
  IO_STATUS_BLOCK status{};
  return ports.handover.NtCreateFile(&handle, FILE_LIST_DIRECTORY | SYNCHRONIZE, &attributes, &status, nullptr,
                                     FILE_ATTRIBUTE_NORMAL, FILE_SHARE_READ | FILE_SHARE_WRITE, FILE_CREATE,
                                     FILE_DIRECTORY_FILE | FILE_SYNCHRONOUS_IO_NONALERT | FILE_OPEN_REPARSE_POINT,
                                     nullptr, 0);
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

CopyFolder MakeCopyFolder(UninstallPorts& ports, const std::string& tempFolder) {
  // Set at creation, never changed afterwards: there is no moment in which
  // the folder is open to the user.
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (RunsAsAdministrator(ports.handover) && !ports.handover.ConvertStringSecurityDescriptorToSecurityDescriptorA(
                                                 kCopyFolderSecurity, SDDL_REVISION_1, &descriptor, nullptr))
    return {};
  CopyFolder made;
  for (int attempt = 0; attempt < kNameAttempts && made.path.empty(); ++attempt) {
    const std::string name = RandomName(ports.handover);
    if (name.empty()) break;
    const std::string folder = tempFolder + name;
    HANDLE handle = nullptr;
    const NTSTATUS status = CreateHeldFolder(ports, folder, descriptor, handle);
    if (status >= 0)
      made = CopyFolder{folder, handle};
    else if (status != kNameCollision)
      break;
  }
  if (descriptor) ports.handover.LocalFree(descriptor);
  return made;
}

void LeaveCopyFolder(UninstallPorts& ports, const std::string& ownPath, HANDLE ownFile, HANDLE ownFolder) {
  const std::string folder = FolderOf(ownPath);
  const std::string tempFolder = TempFolder(ports.handover);
  const std::string name = NameOf(folder);
  if (tempFolder.empty() || !SamePath(FolderOf(folder) + "\\", tempFolder) ||
      !SamePath(NameOf(ownPath), "Uninstall.exe") || name.rfind(kCopyFolderPrefix, 0) != 0)
    return;
  ports.handover.CloseHandle(ownFolder);
  const std::string movedOut = tempFolder + name + ".exe";
  if (RenameByHandle(ports, ownFile, movedOut) && ports.files.RemoveDirectoryA(folder.c_str())) return;
  // Removal at restart goes in order: the file (wherever it is now), then the folder.
  const bool movedFile = ports.files.GetFileAttributesA(ownPath.c_str()) == INVALID_FILE_ATTRIBUTES;
  ports.handover.MoveFileExA((movedFile ? movedOut : ownPath).c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
  ports.handover.MoveFileExA(folder.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
}

}  // namespace uninstall
