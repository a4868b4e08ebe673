// Whether the install folder's disk has room for the product files, asked
// before the folder is made, so that a full disk is found before anything
// is copied rather than halfway through the copy.
#pragma once

#include <optional>
#include <string>

#include "platform/file_system.h"
#include "setup/wizard/java_check.h"

namespace engine {

struct FreeSpace {
  unsigned long long needed = 0;
  std::optional<unsigned long long> available;  // nullopt: the disk did not say
  bool Short() const { return available && needed > *available; }
};

// What the product files on the medium need on the install folder's disk,
// and what that disk has free for this user, as the nearest folder of the
// install folder's path that exists reports it (the folder itself may not
// exist yet). A file that will replace one already there needs only what it
// is larger by. "jh.jar" counts only when it goes to the same drive.
FreeSpace CheckFreeSpace(platform::FileSystem& files, const std::string& setupFolder, const std::string& installFolder,
                         const TJavaCheckResult& javaCheck);

// Bytes as megabytes (1,048,576 bytes) with one decimal, e.g. "12.3":
// rounded up for what is needed and down for what is free, so that a
// shortfall always shows as one.
std::string MegabytesUp(unsigned long long bytes);
std::string MegabytesDown(unsigned long long bytes);

}  // namespace engine
