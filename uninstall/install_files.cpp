#include "uninstall/install_files.h"

#include "platform/file_in_use.h"
#include "uninstall/file_removal.h"
#include "uninstall/ownership.h"
#include "uninstall/paths.h"
#include "uninstall/texts.h"

namespace uninstall {

namespace {

const char* const kProductFiles[] = {"tessal.jar", "tessal.exe", "boot.ini", "readme.txt", "jh.jar"};
constexpr DWORD kDirectoryNotEmpty = 145;  // ERROR_DIR_NOT_EMPTY
// The program that ran from Uninstall.exe has ended, but the system may
// still hold its image for a moment.
constexpr int kOwnFileAttempts = 20;
constexpr DWORD kOwnFileRetryMs = 100;

bool IsFile(platform::FileSystem& files, const std::string& path) {
  DWORD attributes = files.GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool IsDistributionMedium(platform::FileSystem& files, const std::string& folder) {
  return IsFile(files, folder + "\\Setup.exe");
}

bool HoldsProductFiles(platform::FileSystem& files, const std::string& installFolder) {
  for (const char* name : kProductFiles)
    if (IsFile(files, installFolder + "\\" + name)) return true;
  return false;
}

std::optional<std::string> FirstProductFileInUse(platform::FileSystem& files, const std::string& installFolder) {
  std::vector<std::string> paths;
  for (const char* name : kProductFiles) paths.push_back(installFolder + "\\" + name);
  return platform::FirstFileInUse(files, paths);
}

void RemoveProductFiles(platform::FileSystem& files, const std::string& installFolder, Outcome& outcome) {
  for (const char* name : kProductFiles) {
    const std::string path = installFolder + "\\" + name;
    if (ExistsAsFile(files, path, outcome)) RemoveFile(files, path, outcome);
  }
}

void RemoveUninstaller(UninstallPorts& ports, const std::string& installFolder, Outcome& outcome) {
  const std::string path = UninstallerPath(installFolder);
  if (!ExistsAsFile(ports.files, path, outcome)) return;
  for (int attempt = 1; attempt < kOwnFileAttempts; ++attempt) {
    DWORD attributes = ports.files.GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY)) break;
    if (ports.files.DeleteFileA(path.c_str())) {
      outcome.removed.push_back(path);
      return;
    }
    ports.handover.Sleep(kOwnFileRetryMs);
  }
  RemoveFile(ports.files, path, outcome);  // the last attempt records the outcome
}

void RemoveInstallFolder(platform::FileSystem& files, const ProtectedFolders& protectedFolders,
                         const std::string& installFolder, Outcome& outcome) {
  if (IsProtected(protectedFolders, installFolder)) return;  // Windows' or the user's: left, and no failure
  if (files.RemoveDirectoryA(installFolder.c_str())) {
    outcome.removed.push_back(installFolder);
  } else if (files.GetLastError() == kDirectoryNotEmpty && !HoldsProductFiles(files, installFolder) &&
             !IsFile(files, UninstallerPath(installFolder))) {
    outcome.leftAlone.push_back(installFolder + kNotEmptyNote);  // the files someone added keep it
  } else {
    outcome.failed.push_back(installFolder);  // one of ours that stayed keeps it, or the system refused
  }
}

}  // namespace uninstall
