#include <windows.h>
// after windows.h, which it needs
#include <sddl.h>

#include <atomic>

#include "platform/win32/win32_append_file.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_registry.h"
#include "tests/contract/ports/harness.h"
#include "tests/e2e/driver/driver.h"

namespace contract {

namespace {

std::atomic<int> counter{0};

class Win32FileSystemHarness final : public FileSystemHarness {
 public:
  Win32FileSystemHarness()
      : scratch_("C:\\contract_" + std::to_string(::GetCurrentProcessId()) + "_" + std::to_string(++counter)) {
    ::CreateDirectoryA(scratch_.c_str(), nullptr);
  }
  ~Win32FileSystemHarness() override { e2e::RemoveTree(scratch_); }
  platform::FileSystem& Port() override { return files_; }
  platform::AppendFile& Appender() override { return appender_; }
  std::string Scratch() override { return scratch_; }
  void WriteFile(const std::string& path, const std::string& content) override { e2e::WriteFile(path, content); }
  std::string ReadFile(const std::string& path) override { return e2e::ReadFile(path); }
  void HoldOpen(const std::string& path, bool held) override {
    if (held) {
      file_ = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
      mapping_ = ::CreateFileMappingA(file_, nullptr, PAGE_READONLY, 0, 0, nullptr);
      view_ = ::MapViewOfFile(mapping_, FILE_MAP_READ, 0, 0, 0);
      return;
    }
    ::UnmapViewOfFile(view_);
    ::CloseHandle(mapping_);
    ::CloseHandle(file_);
  }
  bool CopyRefusesReadOnlyTarget() override {
    // Wine announces itself through an export of ntdll that Windows lacks.
    bool underWine = ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
    return !underWine;
  }

 private:
  std::string scratch_;
  HANDLE file_ = INVALID_HANDLE_VALUE, mapping_ = nullptr;
  LPVOID view_ = nullptr;
  platform::Win32FileSystem files_;
  platform::Win32AppendFile appender_;
};

void DeleteKeyTree(HKEY root, const std::string& path) {
  // Give the key back full rights for everyone first: a test may have taken them.
  HKEY key = nullptr;
  if (::RegOpenKeyExA(root, path.c_str(), 0, WRITE_DAC, &key) == ERROR_SUCCESS) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (::ConvertStringSecurityDescriptorToSecurityDescriptorA("D:(A;;KA;;;WD)", SDDL_REVISION_1, &descriptor,
                                                               nullptr)) {
      ::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor);
      ::LocalFree(descriptor);
    }
    ::RegCloseKey(key);
  }
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

class Win32RegistryHarness final : public RegistryHarness {
 public:
  Win32RegistryHarness()
      : scratch_("Software\\TessalContract\\Scratch" + std::to_string(::GetCurrentProcessId()) + "_" +
                 std::to_string(++counter)),
        machineScratch_("TessalContractViews" + std::to_string(::GetCurrentProcessId()) + "_" +
                        std::to_string(counter)) {}
  ~Win32RegistryHarness() override {
    DeleteKeyTree(HKEY_CURRENT_USER, "Software\\TessalContract");
    // Below SOFTWARE in each view; on 32-bit Windows both are the same key.
    for (REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) {
      HKEY software = nullptr;
      if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, KEY_ALL_ACCESS | view, &software) != ERROR_SUCCESS)
        continue;
      ::RegDeleteKeyA(software, machineScratch_.c_str());
      ::RegCloseKey(software);
    }
  }
  platform::Registry& Port() override { return registry_; }
  std::string MachineScratchKey() override { return "SOFTWARE\\" + machineScratch_; }
  std::string ScratchKey() override { return scratch_; }
  void SetUnterminatedString(const std::string& keyPath, const std::string& name, const std::string& text) override {
    std::wstring wideName(name.begin(), name.end());
    std::wstring wideText(text.begin(), text.end());  // ASCII only
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
      return;
    ::RegSetValueExW(key, wideName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wideText.data()),
                     static_cast<DWORD>(wideText.size() * sizeof(wchar_t)));
    ::RegCloseKey(key);
  }
  void DenyWrite(HKEY root, const std::string& keyPath) override {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(root, keyPath.c_str(), 0, WRITE_DAC, &key) != ERROR_SUCCESS) return;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (::ConvertStringSecurityDescriptorToSecurityDescriptorA("D:P(A;;KR;;;WD)", SDDL_REVISION_1, &descriptor,
                                                               nullptr)) {
      ::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor);
      ::LocalFree(descriptor);
    }
    ::RegCloseKey(key);
  }

 private:
  std::string scratch_;
  std::string machineScratch_;
  platform::Win32Registry registry_;
};

}  // namespace

std::unique_ptr<FileSystemHarness> MakeFileSystemHarness() { return std::make_unique<Win32FileSystemHarness>(); }
std::unique_ptr<RegistryHarness> MakeRegistryHarness() { return std::make_unique<Win32RegistryHarness>(); }
std::unique_ptr<RegistryHarness> MakeRegistryHarnessOn(bool sixtyFourBitWindows) {
  // The views are those a 32-bit program sees; a 64-bit one has the
  // opposite default, which no program of ours relies on.
  if (sizeof(void*) != 4) return nullptr;
  BOOL wow64 = FALSE;
  ::IsWow64Process(::GetCurrentProcess(), &wow64);
  if ((wow64 != FALSE) != sixtyFourBitWindows) return nullptr;
  return std::make_unique<Win32RegistryHarness>();
}

}  // namespace contract
