// The system folders in memory: the paths a test gives by CSIDL (any other
// CSIDL fails as the shell fails for a folder the system lacks) and
// environment variables for the expansion.
#pragma once

#include <map>
#include <string>

#include "platform/system_folders.h"

namespace platform {

class FakeSystemFolders final : public SystemFolders {
 public:
  HRESULT SHGetFolderPathA(HWND owner, int csidl, HANDLE token, DWORD flags, LPSTR path) override;
  DWORD ExpandEnvironmentStringsA(LPCSTR source, LPSTR destination, DWORD size) override;

  // Test set-up.
  void SetFolder(int csidl, const std::string& path) { folders_[csidl] = path; }
  void SetVariable(const std::string& name, const std::string& value) { variables_[name] = value; }

 private:
  std::map<int, std::string> folders_;
  std::map<std::string, std::string> variables_;  // names as set; Windows compares them in any case
};

}  // namespace platform
