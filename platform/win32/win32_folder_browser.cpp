#include "platform/win32/win32_folder_browser.h"

namespace platform {

namespace {

class Win32ShellMalloc final : public ShellMalloc {
 public:
  explicit Win32ShellMalloc(IMalloc* malloc) : malloc_(malloc) {}
  ~Win32ShellMalloc() override { malloc_->Release(); }
  void* Alloc(SIZE_T size) override { return malloc_->Alloc(size); }
  void Free(void* block) override { malloc_->Free(block); }

 private:
  IMalloc* malloc_;
};

class Win32DesktopFolder final : public DesktopFolder {
 public:
  explicit Win32DesktopFolder(IShellFolder* folder) : folder_(folder) {}
  ~Win32DesktopFolder() override { folder_->Release(); }
  HRESULT ParseDisplayName(HWND owner, LPWSTR displayName, LPITEMIDLIST* itemList) override {
    return folder_->ParseDisplayName(owner, nullptr, displayName, nullptr, itemList, nullptr);
  }

 private:
  IShellFolder* folder_;
};

BOOL CALLBACK DisableIfActive(HWND window, LPARAM param) {
  if (::IsWindowVisible(window) && ::IsWindowEnabled(window)) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    ::EnableWindow(window, FALSE);
  }
  return TRUE;
}

}  // namespace

HRESULT Win32FolderBrowser::SHGetMalloc(std::unique_ptr<ShellMalloc>* malloc) {
  IMalloc* shellMalloc = nullptr;
  HRESULT hr = ::SHGetMalloc(&shellMalloc);
  if (SUCCEEDED(hr) && shellMalloc) *malloc = std::make_unique<Win32ShellMalloc>(shellMalloc);
  return hr;
}

HRESULT Win32FolderBrowser::SHGetDesktopFolder(std::unique_ptr<DesktopFolder>* folder) {
  IShellFolder* desktop = nullptr;
  HRESULT hr = ::SHGetDesktopFolder(&desktop);
  if (SUCCEEDED(hr) && desktop) *folder = std::make_unique<Win32DesktopFolder>(desktop);
  return hr;
}

LPITEMIDLIST Win32FolderBrowser::SHBrowseForFolderA(LPBROWSEINFOA info) { return ::SHBrowseForFolderA(info); }

BOOL Win32FolderBrowser::SHGetPathFromIDListA(LPCITEMIDLIST itemList, LPSTR path) {
  return ::SHGetPathFromIDListA(itemList, path);
}

LRESULT Win32FolderBrowser::SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return ::SendMessageA(window, message, wParam, lParam);
}

std::vector<HWND> Win32FolderBrowser::DisableThreadWindows() {
  std::vector<HWND> disabled;
  ::EnumThreadWindows(::GetCurrentThreadId(), DisableIfActive, reinterpret_cast<LPARAM>(&disabled));
  return disabled;
}

void Win32FolderBrowser::EnableWindows(const std::vector<HWND>& windows) {
  for (HWND window : windows) ::EnableWindow(window, TRUE);
}

}  // namespace platform
