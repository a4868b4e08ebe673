#include "platform/win32/win32_shell_link_reader.h"

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

namespace platform {

namespace {

class Win32LinkFileLoader final : public LinkFileLoader {
 public:
  explicit Win32LinkFileLoader(IPersistFile* file) : file_(file) {}
  ~Win32LinkFileLoader() override { file_->Release(); }
  HRESULT Load(LPCWSTR fileName, DWORD mode) override { return file_->Load(fileName, mode); }

 private:
  IPersistFile* file_;
};

class Win32LinkReader final : public LinkReader {
 public:
  explicit Win32LinkReader(IShellLinkA* link) : link_(link) {}
  ~Win32LinkReader() override { link_->Release(); }
  HRESULT GetPath(LPSTR file, int size, WIN32_FIND_DATAA* findData, DWORD flags) override {
    return link_->GetPath(file, size, findData, flags);
  }
  HRESULT QueryLoader(std::unique_ptr<LinkFileLoader>* loader) override {
    IPersistFile* file = nullptr;
    HRESULT hr = link_->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    if (SUCCEEDED(hr)) *loader = std::make_unique<Win32LinkFileLoader>(file);
    return hr;
  }

 private:
  IShellLinkA* link_;
};

}  // namespace

HRESULT Win32ShellLinkReader::CoInitialize(LPVOID reserved) { return ::CoInitialize(reserved); }

void Win32ShellLinkReader::CoUninitialize() { ::CoUninitialize(); }

HRESULT Win32ShellLinkReader::CoCreateLinkReader(std::unique_ptr<LinkReader>* link) {
  IShellLinkA* object = nullptr;
  HRESULT hr = ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  reinterpret_cast<void**>(&object));
  if (SUCCEEDED(hr)) *link = std::make_unique<Win32LinkReader>(object);
  return hr;
}

int Win32ShellLinkReader::MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int textLength, LPWSTR wide,
                                              int wideLength) {
  return ::MultiByteToWideChar(codePage, flags, text, textLength, wide, wideLength);
}

}  // namespace platform
