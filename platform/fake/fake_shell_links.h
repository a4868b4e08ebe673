// The shell-link port in memory: links are saved as small files of the fake
// file system (so a missing folder fails the save as it does on Windows) and
// recorded for tests to read back. COM must be initialised on the thread
// before a link object can be made.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/fake/fake_file_system.h"
#include "platform/shell_links.h"

namespace platform {

class FakeShellLinks final : public ShellLinks {
 public:
  struct Link {
    std::string target;
    std::string workingDirectory;
  };

  explicit FakeShellLinks(FakeFileSystem& files) : files_(files) {}

  HRESULT CoInitialize(LPVOID reserved) override;
  void CoUninitialize() override;
  HRESULT CoCreateShellLink(std::unique_ptr<ShellLink>* link) override;
  int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int textLength, LPWSTR wide,
                          int wideLength) override;

  // The link saved at this path (code page 932), if any.
  std::optional<Link> LinkAt(const std::string& path) const;
  int SavedCount() const { return saves_; }
  int ComDepth() const { return comDepth_; }
  // Makes the next link-object creations fail, as a missing shell would.
  void FailCreation(bool fail) { failCreation_ = fail; }

 private:
  friend class FakeShellLinkObject;
  HRESULT Save(const std::string& path, const Link& link);

  FakeFileSystem& files_;
  std::map<std::string, Link> links_;  // by path as saved
  int comDepth_ = 0;
  int saves_ = 0;
  bool failCreation_ = false;
};

}  // namespace platform
