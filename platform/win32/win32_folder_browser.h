#pragma once

#include "platform/folder_browser.h"

namespace platform {

class Win32FolderBrowser final : public FolderBrowser {
 public:
  HRESULT SHGetMalloc(std::unique_ptr<ShellMalloc>* malloc) override;
  HRESULT SHGetDesktopFolder(std::unique_ptr<DesktopFolder>* folder) override;
  LPITEMIDLIST SHBrowseForFolderA(LPBROWSEINFOA info) override;
  BOOL SHGetPathFromIDListA(LPCITEMIDLIST itemList, LPSTR path) override;
  LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  std::vector<HWND> DisableThreadWindows() override;
  void EnableWindows(const std::vector<HWND>& windows) override;
  void EnableWindowsOnClose(HWND dialog, const std::vector<HWND>& windows) override;
  HRESULT CoInitialize(LPVOID reserved) override;
  void CoUninitialize() override;
};

}  // namespace platform
