// The DLL-search port in memory: a Windows of a given version, with or
// without SetDefaultDllDirectories, whose system folder holds the DLLs
// named; every call is written down in order.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/dll_search.h"

namespace platform {

class FakeDllSearch final : public DllSearch {
 public:
  DWORD majorVersion = 10;
  DWORD minorVersion = 0;
  bool hasSetDefaultDllDirectories = true;
  std::string systemFolder = "C:\\WINDOWS\\system32";
  std::set<std::string> systemDlls = {"kernel32.dll", "version.dll"};  // names in the system folder
  std::vector<std::string> calls;

  BOOL GetVersionExA(OSVERSIONINFOA* info) override;
  BOOL SetDefaultDllDirectories(DWORD directoryFlags) override;
  BOOL SetDllDirectoryA(LPCSTR path) override;
  UINT GetSystemDirectoryA(LPSTR buffer, UINT size) override;
  DWORD GetFileAttributesA(LPCSTR path) override;
  HMODULE LoadLibraryExA(LPCSTR path, HANDLE file, DWORD flags) override;

 private:
  bool IsSystemDll(const std::string& path) const;
};

}  // namespace platform
