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

// The dialog's own procedure and the windows to enable, kept on the dialog
// while it runs.
struct CloseWatch {
  WNDPROC previous;
  std::vector<HWND> windows;
};
constexpr char kCloseWatchProperty[] = "TessalCloseWatch";

LRESULT CALLBACK WatchClose(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* watch = static_cast<CloseWatch*>(::GetPropA(dialog, kCloseWatchProperty));
  if (watch == nullptr) return ::DefWindowProcA(dialog, message, wParam, lParam);
  WNDPROC previous = watch->previous;
  if (message == WM_WINDOWPOSCHANGING && (reinterpret_cast<WINDOWPOS*>(lParam)->flags & SWP_HIDEWINDOW)) {
    // The dialog is ending (EndDialog hides it first): enable the windows
    // now, while it still exists.
    for (HWND window : watch->windows) ::EnableWindow(window, TRUE);
    watch->windows.clear();
  } else if (message == WM_NCDESTROY) {
    for (HWND window : watch->windows) ::EnableWindow(window, TRUE);
    ::RemovePropA(dialog, kCloseWatchProperty);
    ::SetWindowLongPtrA(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    delete watch;
  }
  return ::CallWindowProcA(previous, dialog, message, wParam, lParam);
}

}  // namespace

void Win32FolderBrowser::EnableWindowsOnClose(HWND dialog, const std::vector<HWND>& windows) {
  if (::GetPropA(dialog, kCloseWatchProperty)) return;
  auto* watch = new CloseWatch{nullptr, windows};
  ::SetPropA(dialog, kCloseWatchProperty, watch);
  watch->previous =
      reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WatchClose)));
}

HRESULT Win32FolderBrowser::CoInitialize(LPVOID reserved) { return ::CoInitialize(reserved); }

void Win32FolderBrowser::CoUninitialize() { ::CoUninitialize(); }

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
