#include <windows.h>
// after windows.h
#include <objbase.h>
#include <shlobj.h>

#include "platform/win32/win32_shell_links.h"
#include "tests/contract/shell/shell_harness.h"

namespace contract {

namespace {

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

class Win32ShellHarness final : public ShellHarness {
 public:
  Win32ShellHarness() : scratch_("C:\\links_" + std::to_string(::GetCurrentProcessId()) + "_" + std::to_string(++count_)) {
    ::CreateDirectoryA(scratch_.c_str(), nullptr);
  }
  ~Win32ShellHarness() override { RemoveTree(scratch_); }
  platform::ShellLinks& Port() override { return links_; }
  std::string Scratch() override { return scratch_; }
  bool MakeFolder(const std::string& path) override { return ::CreateDirectoryA(path.c_str(), nullptr); }
  bool WriteFile(const std::string& path, const std::string& content) override {
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    ::CloseHandle(file);
    return true;
  }
  bool FileExists(const std::string& path) override {
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  }
  std::optional<SavedLink> ReadLink(const std::string& path) override {
    // Read back through the shell itself, independently of the port.
    if (!FileExists(path)) return std::nullopt;
    ::CoInitialize(nullptr);
    std::optional<SavedLink> result;
    IShellLinkA* link = nullptr;
    if (SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                     reinterpret_cast<void**>(&link)))) {
      IPersistFile* file = nullptr;
      if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t wide[MAX_PATH];
        ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
        if (SUCCEEDED(file->Load(wide, STGM_READ))) {
          char target[MAX_PATH] = {};
          char folder[MAX_PATH] = {};
          link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
          link->GetWorkingDirectory(folder, MAX_PATH);
          result = SavedLink{target, folder};
        }
        file->Release();
      }
      link->Release();
    }
    ::CoUninitialize();
    return result;
  }

 private:
  static inline int count_ = 0;
  std::string scratch_;
  platform::Win32ShellLinks links_;
};

}  // namespace

std::unique_ptr<ShellHarness> MakeShellHarness() { return std::make_unique<Win32ShellHarness>(); }

}  // namespace contract
