#include "launcher/launch/file_exists.h"

namespace launcher {

bool FileExists(platform::FileSystem& files, const std::string& path) {
  WIN32_FIND_DATAA found;
  HANDLE find = files.FindFirstFileA(path.c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return false;
  files.FindClose(find);
  return true;
}

}  // namespace launcher
