#include "platform/fake/fake_system_folders.h"

#include <cstring>

namespace platform {

namespace {

constexpr HRESULT kFileNotFound = static_cast<HRESULT>(0x80070002u);  // HRESULT of ERROR_FILE_NOT_FOUND

std::string Upper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

}  // namespace

HRESULT FakeSystemFolders::SHGetFolderPathA(HWND, int csidl, HANDLE, DWORD, LPSTR path) {
  auto folder = folders_.find(csidl & 0xff);
  if (folder == folders_.end() || folder->second.size() >= MAX_PATH) {
    if (path) path[0] = '\0';
    return kFileNotFound;
  }
  std::memcpy(path, folder->second.c_str(), folder->second.size() + 1);
  return S_OK;
}

DWORD FakeSystemFolders::ExpandEnvironmentStringsA(LPCSTR source, LPSTR destination, DWORD size) {
  const std::string text = source ? source : "";
  std::string out;
  for (std::string::size_type at = 0; at < text.size();) {
    std::string::size_type close = text[at] == '%' ? text.find('%', at + 1) : std::string::npos;
    if (close == std::string::npos) {
      out += text[at++];
      continue;
    }
    const std::string name = Upper(text.substr(at + 1, close - at - 1));
    bool found = false;
    for (const auto& [variable, value] : variables_)
      if (Upper(variable) == name) {
        out += value;
        found = true;
      }
    if (!found) {
      out += text.substr(at, close - at);  // an unknown name stays, and its closing % may open the next
      at = close;
    } else {
      at = close + 1;
    }
  }
  DWORD needed = static_cast<DWORD>(out.size() + 1);
  if (destination && size >= needed) std::memcpy(destination, out.c_str(), needed);
  return needed;
}

}  // namespace platform
