// The user's shell folders as the setup program reads them.
#pragma once

#include <string>

#include "platform/registry.h"

namespace uninstall {

struct ShellFolders {
  std::string programs;  // "" when it cannot be read
  std::string desktop;
  std::string sendTo;
};

ShellFolders ReadShellFolders(platform::Registry& registry);

}  // namespace uninstall
