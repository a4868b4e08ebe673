#include "setup/engine/product_files.h"

#include "common/exception.h"
#include "common/paths.h"
#include "platform/program_name.h"

namespace engine {

bool IsFile(platform::FileSystem& files, const std::string& path) {
  DWORD attributes = files.GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

unsigned long long FileSize(platform::FileSystem& files, const std::string& path) {
  WIN32_FIND_DATAA data;
  HANDLE find = files.FindFirstFileA(path.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return 0;
  files.FindClose(find);
  return (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::string SetupFolder(platform::FileSystem& files) {
  const std::optional<std::string> path = platform::OwnProgramPath(files);
  if (!path) throw Exception("setup folder unavailable");
  return common::ParentPart(*path);
}

std::vector<CopyItem> CopyList(const std::string& setupFolder, const std::string& installFolder,
                               const TJavaCheckResult& javaCheck) {
  const std::string libraryFolder = javaCheck.Status == jcOK ? javaCheck.ExtFolder : installFolder;
  const struct {
    const char* name;
    const std::string& folder;
  } files[] = {
      {"tessal.jar", installFolder}, {"tessal.exe", installFolder},    {"boot.ini", installFolder},
      {"readme.txt", installFolder}, {"Uninstall.exe", installFolder}, {"jh.jar", libraryFolder},
  };
  std::vector<CopyItem> list;
  for (const auto& file : files) list.push_back({setupFolder + file.name, file.folder + "\\" + file.name});
  return list;
}

std::vector<std::string> Destinations(const std::vector<CopyItem>& list) {
  std::vector<std::string> destinations;
  for (const CopyItem& item : list) destinations.push_back(item.destination);
  return destinations;
}

bool CopyProductFile(platform::FileSystem& files, const std::string& source, const std::string& destination) {
  if (!IsFile(files, source)) return true;
  // Read-only, hidden or system files are made replaceable first.
  if (IsFile(files, destination)) files.SetFileAttributesA(destination.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (!files.CopyFileA(source.c_str(), destination.c_str(), FALSE)) return false;
  // The copy took over the source's attributes (read-only from a CD, say).
  return files.SetFileAttributesA(destination.c_str(), FILE_ATTRIBUTE_NORMAL) != FALSE;
}

}  // namespace engine
