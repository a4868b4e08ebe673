#include "uninstall/file_removal.h"

#include "uninstall/texts.h"

namespace uninstall {

bool ExistsAsFile(platform::FileSystem& files, const std::string& path, Outcome& outcome) {
  DWORD attributes = files.GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    DWORD error = files.GetLastError();
    if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) outcome.failed.push_back(path);
    return false;
  }
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
    outcome.leftAlone.push_back(path);
    return false;
  }
  return true;
}

bool RemoveFile(platform::FileSystem& files, const std::string& path, Outcome& outcome) {
  DWORD attributes = files.GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    outcome.failed.push_back(path + kReadOnlyNote);
    return false;
  }
  if (!files.DeleteFileA(path.c_str())) {
    outcome.failed.push_back(path);
    return false;
  }
  outcome.removed.push_back(path);
  return true;
}

}  // namespace uninstall
