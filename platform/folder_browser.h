// The folder-browser port: the shell's task allocator, the desktop folder
// that parses a root path, the browse dialog and the item list's file-system
// path; and making the browse modal to the program's own top-level windows.
#pragma once

#include <memory>
#include <vector>

#include "platform/win_types.h"

#ifdef _WIN32
#include <shlobj.h>
#else
struct ITEMIDLIST;
using LPITEMIDLIST = ITEMIDLIST*;
using LPCITEMIDLIST = const ITEMIDLIST*;
using BFFCALLBACK = int (*)(HWND window, UINT message, LPARAM lParam, LPARAM data);
struct BROWSEINFOA {
  HWND hwndOwner;
  LPCITEMIDLIST pidlRoot;
  LPSTR pszDisplayName;
  LPCSTR lpszTitle;
  UINT ulFlags;
  BFFCALLBACK lpfn;
  LPARAM lParam;
  int iImage;
};
using LPBROWSEINFOA = BROWSEINFOA*;
constexpr UINT BIF_RETURNONLYFSDIRS = 0x0001;
constexpr UINT BFFM_INITIALIZED = 1;
constexpr UINT BFFM_SETSELECTIONA = 0x0400 + 102;
#define CALLBACK
#endif

namespace platform {

// IMalloc of the shell.
class ShellMalloc {
 public:
  virtual ~ShellMalloc() = default;
  virtual void* Alloc(SIZE_T size) = 0;
  virtual void Free(void* block) = 0;
};

// IShellFolder of the desktop.
class DesktopFolder {
 public:
  virtual ~DesktopFolder() = default;
  virtual HRESULT ParseDisplayName(HWND owner, LPWSTR displayName, LPITEMIDLIST* itemList) = 0;
};

class FolderBrowser {
 public:
  virtual ~FolderBrowser() = default;
  virtual HRESULT SHGetMalloc(std::unique_ptr<ShellMalloc>* malloc) = 0;
  virtual HRESULT SHGetDesktopFolder(std::unique_ptr<DesktopFolder>* folder) = 0;
  virtual LPITEMIDLIST SHBrowseForFolderA(LPBROWSEINFOA info) = 0;
  virtual BOOL SHGetPathFromIDListA(LPCITEMIDLIST itemList, LPSTR path) = 0;
  virtual LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
  // Disables the visible, enabled top-level windows of this thread and
  // returns them, so that exactly those can be enabled again.
  virtual std::vector<HWND> DisableThreadWindows() = 0;
  virtual void EnableWindows(const std::vector<HWND>& windows) = 0;
  // Enables the windows when the dialog begins to close, before it is
  // hidden and destroyed: the order Windows documents for a modal window's
  // owner, so that activation can come back to them.
  virtual void EnableWindowsOnClose(HWND dialog, const std::vector<HWND>& windows) = 0;
  // COM of the calling thread (an apartment), which the browse dialog needs.
  virtual HRESULT CoInitialize(LPVOID reserved) = 0;
  virtual void CoUninitialize() = 0;
};

}  // namespace platform
