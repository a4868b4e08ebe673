// The product files the install run copies, where from and where to, and
// how one file is copied.
#pragma once

#include <string>
#include <vector>

#include "platform/file_system.h"
#include "setup/wizard/java_check.h"

namespace engine {

struct CopyItem {
  std::string source;
  std::string destination;
};

// The folder of the running setup program, up to and including its last
// "\" (or ":"). Raises Exception when the program's own path cannot be had
// whole, rather than copying from a wrong folder.
std::string SetupFolder(platform::FileSystem& files);

// The six files in copy order. "jh.jar" goes to the Java runtime's
// extension folder when the check found one, otherwise to the install folder.
std::vector<CopyItem> CopyList(const std::string& setupFolder, const std::string& installFolder,
                               const TJavaCheckResult& javaCheck);

// True when a file (not a folder) is at the path.
bool IsFile(platform::FileSystem& files, const std::string& path);
// The file's size in bytes; 0 when it cannot be found.
unsigned long long FileSize(platform::FileSystem& files, const std::string& path);

// The destinations of the list, in its order.
std::vector<std::string> Destinations(const std::vector<CopyItem>& list);

// Copies one file over any existing one, leaving it with normal attributes.
// A source that is not there is no failure: nothing is copied.
bool CopyProductFile(platform::FileSystem& files, const std::string& source, const std::string& destination);

}  // namespace engine
