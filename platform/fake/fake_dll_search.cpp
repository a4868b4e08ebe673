#include "platform/fake/fake_dll_search.h"

#include "platform/fake/system_folder.h"

namespace platform {

BOOL FakeDllSearch::GetVersionExA(OSVERSIONINFOA* info) {
  calls.push_back("GetVersionExA");
  if (info->dwOSVersionInfoSize != sizeof(OSVERSIONINFOA)) return FALSE;
  info->dwMajorVersion = majorVersion;
  info->dwMinorVersion = minorVersion;
  return TRUE;
}

BOOL FakeDllSearch::SetDefaultDllDirectories(DWORD directoryFlags) {
  calls.push_back("SetDefaultDllDirectories " + std::to_string(directoryFlags));
  return hasSetDefaultDllDirectories ? TRUE : FALSE;
}

BOOL FakeDllSearch::SetDllDirectoryA(LPCSTR path) {
  calls.push_back("SetDllDirectoryA \"" + std::string(path ? path : "(null)") + "\"");
  return TRUE;
}

UINT FakeDllSearch::GetSystemDirectoryA(LPSTR buffer, UINT size) {
  calls.push_back("GetSystemDirectoryA");
  return CopySystemFolder(systemFolder, buffer, size);
}

bool FakeDllSearch::IsSystemDll(const std::string& path) const {
  const std::string folder = systemFolder + "\\";
  return path.compare(0, folder.size(), folder) == 0 && systemDlls.count(path.substr(folder.size())) != 0;
}

DWORD FakeDllSearch::GetFileAttributesA(LPCSTR path) {
  return IsSystemDll(path) ? 0x20u /* FILE_ATTRIBUTE_ARCHIVE */ : 0xFFFFFFFFu;
}

HMODULE FakeDllSearch::LoadLibraryExA(LPCSTR path, HANDLE, DWORD flags) {
  calls.push_back("LoadLibraryExA " + std::string(path) + " " + std::to_string(flags));
  static char loaded;
  return IsSystemDll(path) ? reinterpret_cast<HMODULE>(&loaded) : nullptr;
}

}  // namespace platform
