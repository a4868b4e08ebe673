// Where the install folder is proposed: the machine's Program Files folder
// and the product folder in it. The folder page and the unattended install
// both start from here.
#pragma once

#include <string>

#include "platform/registry.h"

inline constexpr const char* kDefaultFolderName = "tessal";

// "ProgramFilesDir" of HKLM\Software\Microsoft\Windows\CurrentVersion with
// a trailing backslash, or "" when it cannot be read into 260 bytes.
std::string ProgramFilesDir(platform::Registry& registry);

// ProgramFilesDir + "tessal": the bare relative "tessal" when the registry
// cannot be read.
inline std::string DefaultInstallFolder(platform::Registry& registry) {
  return ProgramFilesDir(registry) + kDefaultFolderName;
}
