#include "platform/win32/win32_shell_links.h"

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

namespace platform {

namespace {

class Win32PersistFile final : public PersistFile {
 public:
  explicit Win32PersistFile(IPersistFile* file) : file_(file) {}
  ~Win32PersistFile() override { file_->Release(); }
  HRESULT Save(LPCWSTR fileName, BOOL remember) override { return file_->Save(fileName, remember); }

 private:
  IPersistFile* file_;
};

class Win32ShellLink final : public ShellLink {
 public:
  explicit Win32ShellLink(IShellLinkA* link) : link_(link) {}
  ~Win32ShellLink() override { link_->Release(); }
  HRESULT SetPath(LPCSTR target) override { return link_->SetPath(target); }
  HRESULT SetWorkingDirectory(LPCSTR folder) override { return link_->SetWorkingDirectory(folder); }
  HRESULT QueryPersistFile(std::unique_ptr<PersistFile>* persistFile) override {
    IPersistFile* file = nullptr;
    HRESULT hr = link_->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    if (SUCCEEDED(hr)) *persistFile = std::make_unique<Win32PersistFile>(file);
    return hr;
  }

 private:
  IShellLinkA* link_;
};

}  // namespace

HRESULT Win32ShellLinks::CoInitialize(LPVOID reserved) { return ::CoInitialize(reserved); }

void Win32ShellLinks::CoUninitialize() { ::CoUninitialize(); }

HRESULT Win32ShellLinks::CoCreateShellLink(std::unique_ptr<ShellLink>* link) {
  IShellLinkA* object = nullptr;
  HRESULT hr = ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  reinterpret_cast<void**>(&object));
  if (SUCCEEDED(hr)) *link = std::make_unique<Win32ShellLink>(object);
  return hr;
}

int Win32ShellLinks::MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int textLength, LPWSTR wide,
                                         int wideLength) {
  return ::MultiByteToWideChar(codePage, flags, text, textLength, wide, wideLength);
}

}  // namespace platform
