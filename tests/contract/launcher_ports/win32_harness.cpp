#include <windows.h>

#include <atomic>
#include <vector>

#include "platform/win32/win32_process.h"
#include "platform/win32/win32_profile.h"
#include "platform/win32/win32_shell_association.h"
#include "platform/win32/win32_string_resource.h"
#include "tests/contract/launcher_ports/harness.h"

namespace launcher_contract {

namespace {

std::atomic<int> counter{0};
constexpr char kProgId[] = "TessalContract.Document";

// The build tree's Linux path as Wine's drive Z: sees it.
std::string FromBuildTree(const std::string& linuxPath) {
  std::string path = "Z:" + linuxPath;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

void RemoveTree(const std::string& path) {
  WIN32_FIND_DATAA entry;
  HANDLE find = ::FindFirstFileA((path + "\\*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::string name = entry.cFileName;
      if (name == "." || name == "..") continue;
      std::string child = path + "\\" + name;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(child);
      else
        ::DeleteFileA(child.c_str());
    } while (::FindNextFileA(find, &entry));
    ::FindClose(find);
  }
  ::RemoveDirectoryA(path.c_str());
}

void SetDefaultValue(const std::string& keyPath, const std::string& value) {
  HKEY key = nullptr;
  if (::RegCreateKeyExA(HKEY_CLASSES_ROOT, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return;
  ::RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
  ::RegCloseKey(key);
}

void DeleteKeyTree(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
    char name[512];
    DWORD size = sizeof name;
    while (::RegEnumKeyExA(key, 0, name, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
      DeleteKeyTree(root, path + "\\" + name);
      size = sizeof name;
    }
    ::RegCloseKey(key);
  }
  ::RegDeleteKeyA(root, path.c_str());
}

class Win32Harness final : public Harness {
 public:
  Win32Harness()
      : scratch_("C:\\contract 表示 " + std::to_string(::GetCurrentProcessId()) + "_" + std::to_string(++counter)) {
    ::CreateDirectoryA(scratch_.c_str(), nullptr);
    ::SetEnvironmentVariableA("TESSAL_STAND_IN_RECORD", (scratch_ + "\\record.txt").c_str());
    ::SetEnvironmentVariableA("TESSAL_STAND_IN_WINDOW", nullptr);
  }
  ~Win32Harness() override {
    for (const std::string& extension : associated_) DeleteKeyTree(HKEY_CLASSES_ROOT, extension);
    if (!associated_.empty()) DeleteKeyTree(HKEY_CLASSES_ROOT, kProgId);
    ::SetEnvironmentVariableA("TESSAL_STAND_IN_RECORD", nullptr);
    RemoveTree(scratch_);
  }
  platform::Profile& Profile() override { return profile_; }
  platform::ShellAssociation& Shell() override { return shell_; }
  platform::Process& Process() override { return process_; }
  platform::StringResource& Strings() override { return strings_; }
  HINSTANCE StringsInstance() override { return ::GetModuleHandleA(nullptr); }
  std::string Scratch() override { return scratch_; }
  void WriteFile(const std::string& path, const std::string& content) override {
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    ::CloseHandle(file);
  }
  void DeleteFile(const std::string& path) override { ::DeleteFileA(path.c_str()); }
  void Associate(const std::string& extension, const std::string& openCommand) override {
    SetDefaultValue(extension, kProgId);
    SetDefaultValue(std::string(kProgId) + "\\shell\\open\\command", openCommand);
    associated_.push_back(extension);
  }
  std::string RecorderPath() override { return FromBuildTree(TESSAL_STAND_IN_JAVA); }
  void LetRecorderEnd(HANDLE) override {}
  std::string Recorded() override {
    HANDLE file = ::CreateFileA((scratch_ + "\\record.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<nothing>";
    std::string content;
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) content.append(buffer, got);
    ::CloseHandle(file);
    return content;
  }

 private:
  std::string scratch_;
  std::vector<std::string> associated_;
  platform::Win32Profile profile_;
  platform::Win32ShellAssociation shell_;
  platform::Win32Process process_;
  platform::Win32StringResource strings_;
};

}  // namespace

std::unique_ptr<Harness> MakeHarness() { return std::make_unique<Win32Harness>(); }

}  // namespace launcher_contract
