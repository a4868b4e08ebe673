#include "common/paths.h"

#include "common/exception.h"
#include "common/text.h"

namespace common {

std::string ParentPart(const std::string& path) {
  auto at = LastDelimiter(path, "\\:");
  return at == std::string::npos ? std::string() : path.substr(0, at + 1);
}

bool FolderExists(platform::FileSystem& files, const std::string& path) {
  DWORD attributes = files.GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool CreateFolderPath(platform::FileSystem& files, const std::string& path) {
  if (path.empty()) throw Exception("ディレクトリを作成することができません");
  std::string folder = path;
  if (IsPathDelimiterAt(folder, folder.size() - 1)) folder.pop_back();
  if (folder.size() < 3 || FolderExists(files, folder) || ParentPart(folder) == folder) return true;
  return CreateFolderPath(files, ParentPart(folder)) && files.CreateDirectoryA(folder.c_str(), nullptr) != FALSE;
}

}  // namespace common
