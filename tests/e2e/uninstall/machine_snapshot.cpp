#include "tests/e2e/uninstall/machine_snapshot.h"

#include <algorithm>
#include <cstdio>

namespace e2e {

namespace {

std::string Hex(const BYTE* data, DWORD size) {
  std::string out;
  char cell[4];
  for (DWORD i = 0; i < size; ++i) {
    std::snprintf(cell, sizeof cell, "%02X", data[i]);
    out += cell;
  }
  return out;
}

std::string ValueText(DWORD type, const std::vector<BYTE>& data, DWORD size) {
  if (type == REG_SZ || type == REG_EXPAND_SZ) {
    const char* text = reinterpret_cast<const char*>(data.data());
    return "SZ " + std::string(text, strnlen(text, size));
  }
  if (type == REG_DWORD && size == 4) return "DWORD " + Hex(data.data(), 4);
  return "TYPE" + std::to_string(type) + " " + Hex(data.data(), size);
}

}  // namespace

void AddRegistryTree(HKEY root, const std::string& rootName, const std::string& keyPath,
                     std::vector<std::string>& lines) {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  const std::string name = rootName + "\\" + keyPath;
  lines.push_back("KEY " + name);
  DWORD subKeys = 0, longestKey = 0, values = 0, longestName = 0, longestData = 0;
  ::RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subKeys, &longestKey, nullptr, &values, &longestName,
                     &longestData, nullptr, nullptr);
  std::vector<char> valueName(2 * longestName + 2);
  std::vector<BYTE> data(longestData + 2);
  for (DWORD index = 0; index < values; ++index) {
    DWORD nameSize = static_cast<DWORD>(valueName.size());
    DWORD dataSize = static_cast<DWORD>(data.size());
    DWORD type = 0;
    if (::RegEnumValueA(key, index, valueName.data(), &nameSize, nullptr, &type, data.data(), &dataSize) ==
        ERROR_SUCCESS)
      lines.push_back("VALUE " + name + " [" + std::string(valueName.data(), nameSize) + "] " +
                      ValueText(type, data, dataSize));
  }
  std::vector<std::string> children;
  std::vector<char> childName(2 * longestKey + 2);
  for (DWORD index = 0; index < subKeys; ++index) {
    DWORD size = static_cast<DWORD>(childName.size());
    if (::RegEnumKeyExA(key, index, childName.data(), &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS)
      children.emplace_back(childName.data(), size);
  }
  ::RegCloseKey(key);
  for (const std::string& child : children) AddRegistryTree(root, rootName, keyPath + "\\" + child, lines);
}

void AddFileTree(const std::string& folder, std::vector<std::string>& lines) {
  WIN32_FIND_DATAA entry;
  HANDLE find = ::FindFirstFileA((folder + "\\*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return;
  std::vector<std::string> subfolders;
  do {
    std::string name = entry.cFileName;
    if (name == "." || name == "..") continue;
    std::string path = folder + "\\" + name;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      lines.push_back("DIR " + path);
      // A link to another folder (as the user folders are to the Linux home) is not followed.
      if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) subfolders.push_back(path);
    } else {
      lines.push_back("FILE " + path + " " + std::to_string(entry.nFileSizeLow) + " " +
                      std::to_string(entry.dwFileAttributes));
    }
  } while (::FindNextFileA(find, &entry));
  ::FindClose(find);
  for (const std::string& subfolder : subfolders) AddFileTree(subfolder, lines);
}

std::vector<std::string> Difference(std::vector<std::string> before, std::vector<std::string> after) {
  std::sort(before.begin(), before.end());
  std::sort(after.begin(), after.end());
  std::vector<std::string> gone, added, out;
  std::set_difference(before.begin(), before.end(), after.begin(), after.end(), std::back_inserter(gone));
  std::set_difference(after.begin(), after.end(), before.begin(), before.end(), std::back_inserter(added));
  for (const auto& line : gone) out.push_back("- " + line);
  for (const auto& line : added) out.push_back("+ " + line);
  return out;
}

}  // namespace e2e
