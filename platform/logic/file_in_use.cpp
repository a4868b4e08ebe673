#include "platform/file_in_use.h"

namespace platform {

bool IsFileInUse(FileSystem& files, const std::string& path) {
  HANDLE file =
      files.CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    files.CloseHandle(file);  // nothing was written: a failed close loses nothing
    return false;
  }
  const DWORD error = files.GetLastError();
  return error == static_cast<DWORD>(ERROR_SHARING_VIOLATION) || error == static_cast<DWORD>(ERROR_LOCK_VIOLATION);
}

std::optional<std::string> FirstFileInUse(FileSystem& files, const std::vector<std::string>& paths) {
  for (const std::string& path : paths)
    if (IsFileInUse(files, path)) return path;
  return std::nullopt;
}

}  // namespace platform
