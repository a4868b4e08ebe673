// Side-specific set-up for the shell-link contract: a scratch folder and a
// way to read a saved link back that does not go through the port.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/shell_links.h"

namespace contract {

struct SavedLink {
  std::string target;
  std::string workingDirectory;
};

class ShellHarness {
 public:
  virtual ~ShellHarness() = default;
  virtual platform::ShellLinks& Port() = 0;
  virtual std::string Scratch() = 0;  // existing empty folder, no trailing backslash
  virtual bool MakeFolder(const std::string& path) = 0;
  virtual bool WriteFile(const std::string& path, const std::string& content) = 0;
  virtual bool FileExists(const std::string& path) = 0;
  virtual std::optional<SavedLink> ReadLink(const std::string& path) = 0;
};

std::unique_ptr<ShellHarness> MakeShellHarness();

}  // namespace contract
