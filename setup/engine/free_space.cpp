#include "setup/engine/free_space.h"

#include "common/paths.h"
#include "common/text.h"
#include "setup/engine/product_files.h"

namespace engine {

namespace {

constexpr unsigned long long kMegabyte = 1048576;

// The folder itself, or the nearest of its parents that exists; nullopt
// when none does (a relative name, a missing drive).
std::optional<std::string> NearestExistingFolder(platform::FileSystem& files, std::string folder) {
  while (!common::FolderExists(files, folder)) {
    if (!folder.empty() && common::IsPathDelimiterAt(folder, folder.size() - 1)) folder.pop_back();
    const std::string parent = common::ParentPart(folder);
    if (parent.empty() || parent == folder) return std::nullopt;
    folder = parent;
  }
  return folder;
}

std::optional<unsigned long long> FreeBytes(platform::FileSystem& files, const std::string& installFolder) {
  std::optional<std::string> folder = NearestExistingFolder(files, installFolder);
  if (!folder) return std::nullopt;
  // A UNC name is read only with its trailing backslash; any other folder takes one too.
  if (!common::IsPathDelimiterAt(*folder, folder->size() - 1)) *folder += "\\";
  ULARGE_INTEGER free{};
  if (!files.GetDiskFreeSpaceExA(folder->c_str(), &free, nullptr, nullptr)) return std::nullopt;
  return free.QuadPart;
}

// Both paths begin with the same drive letter. Network names are not
// compared: a library bound for a share is left to its copy.
bool OnOneDrive(const std::string& a, const std::string& b) {
  return a.size() >= 2 && b.size() >= 2 && a[1] == ':' && b[1] == ':' &&
         common::AsciiUpper(a[0]) == common::AsciiUpper(b[0]);
}

std::string Megabytes(unsigned long long bytes, bool up) {
  unsigned long long tenths = bytes / kMegabyte * 10;
  const unsigned long long rest = bytes % kMegabyte * 10;
  tenths += rest / kMegabyte + (up && rest % kMegabyte ? 1 : 0);
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

}  // namespace

FreeSpace CheckFreeSpace(platform::FileSystem& files, const std::string& setupFolder, const std::string& installFolder,
                         const TJavaCheckResult& javaCheck) {
  FreeSpace space;
  for (const CopyItem& item : CopyList(setupFolder, installFolder, javaCheck)) {
    const bool inInstallFolder = item.destination.rfind(installFolder + "\\", 0) == 0;
    if (!IsFile(files, item.source) || !(inInstallFolder || OnOneDrive(item.destination, installFolder))) continue;
    const unsigned long long size = FileSize(files, item.source);
    const unsigned long long replaced = IsFile(files, item.destination) ? FileSize(files, item.destination) : 0;
    if (size > replaced) space.needed += size - replaced;
  }
  space.available = FreeBytes(files, installFolder);
  return space;
}

std::string MegabytesUp(unsigned long long bytes) { return Megabytes(bytes, true); }
std::string MegabytesDown(unsigned long long bytes) { return Megabytes(bytes, false); }

}  // namespace engine
