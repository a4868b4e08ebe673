#include <vector>

#include "tests/e2e/driver/driver.h"

namespace e2e {

namespace {

HKEY CreateKey(HKEY root, const std::string& keyPath) {
  HKEY key = nullptr;
  if (::RegCreateKeyExA(root, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return nullptr;
  return key;
}

}  // namespace

bool SetRegString(HKEY root, const std::string& keyPath, const std::string& name, const std::string& value) {
  HKEY key = CreateKey(root, keyPath);
  if (!key) return false;
  LONG rc = ::RegSetValueExA(key, name.empty() ? nullptr : name.c_str(), 0, REG_SZ,
                             reinterpret_cast<const BYTE*>(value.c_str()), static_cast<DWORD>(value.size() + 1));
  ::RegCloseKey(key);
  return rc == ERROR_SUCCESS;
}

bool SetRegDword(HKEY root, const std::string& keyPath, const std::string& name, DWORD value) {
  HKEY key = CreateKey(root, keyPath);
  if (!key) return false;
  LONG rc = ::RegSetValueExA(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  ::RegCloseKey(key);
  return rc == ERROR_SUCCESS;
}

std::string RegString(HKEY root, const std::string& keyPath, const std::string& name) {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return "<missing>";
  std::vector<char> buffer(4096, '\0');
  DWORD size = static_cast<DWORD>(buffer.size() - 1);
  DWORD type = 0;
  LONG rc = ::RegQueryValueExA(key, name.empty() ? nullptr : name.c_str(), nullptr, &type,
                               reinterpret_cast<BYTE*>(buffer.data()), &size);
  ::RegCloseKey(key);
  if (rc != ERROR_SUCCESS) return "<missing>";
  return std::string(buffer.data());
}

bool RegKeyExists(HKEY root, const std::string& keyPath) {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  ::RegCloseKey(key);
  return true;
}

void DeleteRegTree(HKEY root, const std::string& keyPath) {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
    char name[512];
    DWORD size = sizeof name;
    while (::RegEnumKeyExA(key, 0, name, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
      DeleteRegTree(root, keyPath + "\\" + name);
      size = sizeof name;
    }
    ::RegCloseKey(key);
  }
  ::RegDeleteKeyA(root, keyPath.c_str());
}

bool WriteFile(const std::string& path, const std::string& content) {
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  ::CloseHandle(file);
  return ok && written == content.size();
}

std::string ReadFile(const std::string& path) {
  HANDLE file =
      ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  std::string content;
  char buffer[4096];
  DWORD got = 0;
  while (::ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) content.append(buffer, got);
  ::CloseHandle(file);
  return content;
}

DWORD Attributes(const std::string& path) { return ::GetFileAttributesA(path.c_str()); }

std::string SizeAndTime(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return "<missing>";
  return std::to_string(data.nFileSizeLow) + " bytes, written " + std::to_string(data.ftLastWriteTime.dwHighDateTime) +
         ":" + std::to_string(data.ftLastWriteTime.dwLowDateTime);
}

bool FileExists(const std::string& path) {
  DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
  DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool MakeFolders(const std::string& path) {
  if (FolderExists(path)) return true;
  auto cut = path.find_last_of('\\');  // test paths: no 5C trail bytes at a cut
  if (cut != std::string::npos && cut > 2 && !MakeFolders(path.substr(0, cut))) return false;
  return ::CreateDirectoryA(path.c_str(), nullptr) || FolderExists(path);
}

void RemoveTree(const std::string& path) {
  WIN32_FIND_DATAA entry;
  HANDLE find = ::FindFirstFileA((path + "\\*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::string name = entry.cFileName;
      if (name == "." || name == "..") continue;
      std::string child = path + "\\" + name;
      ::SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(child);
      else
        ::DeleteFileA(child.c_str());
    } while (::FindNextFileA(find, &entry));
    ::FindClose(find);
  }
  ::RemoveDirectoryA(path.c_str());
}

std::string WindowsPath(const std::string& linuxPath) {
  std::string path = "Z:" + linuxPath;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

std::string OwnFolder() {
  char path[MAX_PATH] = {};
  DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string text(path, length < MAX_PATH ? length : 0);
  return text.substr(0, text.find_last_of('\\'));
}

std::string Environment(const char* name) {
  // Read wide and convert: Wine's ANSI call cuts values with Japanese in them.
  wchar_t wideName[256] = {};
  ::MultiByteToWideChar(CP_ACP, 0, name, -1, wideName, 256);
  wchar_t wide[2048] = {};
  DWORD length = ::GetEnvironmentVariableW(wideName, wide, 2048);
  if (length == 0 || length >= 2048) return "";
  char buffer[4096] = {};
  int bytes = ::WideCharToMultiByte(CP_ACP, 0, wide, static_cast<int>(length), buffer, sizeof buffer, nullptr, nullptr);
  return std::string(buffer, bytes > 0 ? bytes : 0);
}

}  // namespace e2e
