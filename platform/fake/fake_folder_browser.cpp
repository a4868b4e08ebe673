#include "platform/fake/fake_folder_browser.h"

#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

// An item list in the fake is the path it stands for, allocated as a block.
class FakeMalloc final : public ShellMalloc {
 public:
  explicit FakeMalloc(FakeFolderBrowser& owner) : owner_(owner) {}
  void* Alloc(SIZE_T size) override { return owner_.Allocate(size); }
  void Free(void* block) override { owner_.Release(block); }

 private:
  FakeFolderBrowser& owner_;
};

class FakeDesktopFolder final : public DesktopFolder {
 public:
  explicit FakeDesktopFolder(FakeFolderBrowser& owner) : owner_(owner) {}
  HRESULT ParseDisplayName(HWND, LPWSTR displayName, LPITEMIDLIST* itemList) override {
    if (!displayName || !*displayName) return E_FAIL;
    *itemList = static_cast<LPITEMIDLIST>(owner_.Allocate(1));
    return S_OK;
  }

 private:
  FakeFolderBrowser& owner_;
};

}  // namespace

void* FakeFolderBrowser::Allocate(SIZE_T size) {
  ++allocations_;
  return std::calloc(size + 1, 1);
}

void FakeFolderBrowser::Release(void* block) {
  if (!block) return;
  --allocations_;
  std::free(block);
}

HRESULT FakeFolderBrowser::SHGetMalloc(std::unique_ptr<ShellMalloc>* malloc) {
  if (failMalloc_) return E_FAIL;
  *malloc = std::make_unique<FakeMalloc>(*this);
  return S_OK;
}

HRESULT FakeFolderBrowser::SHGetDesktopFolder(std::unique_ptr<DesktopFolder>* folder) {
  *folder = std::make_unique<FakeDesktopFolder>(*this);
  return S_OK;
}

LPITEMIDLIST FakeFolderBrowser::SHBrowseForFolderA(LPBROWSEINFOA info) {
  Browse browse;
  browse.owner = info->hwndOwner;
  browse.hasRoot = info->pidlRoot != nullptr;
  browse.title = info->lpszTitle ? info->lpszTitle : "";
  browse.flags = info->ulFlags;
  for (const auto& [window, enabled] : windows_)
    if (!enabled) browse.disabledDuring.push_back(window);
  browse.comInitialised = comDepth_ > 0;
  browses_.push_back(browse);
  HWND dialog = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(0xB0B0));
  selection_.clear();
  enableOnClose_.clear();
  if (info->lpfn) info->lpfn(dialog, BFFM_INITIALIZED, 0, info->lParam);
  // The dialog closes: what was to be enabled then is enabled before it goes.
  EnableWindows(enableOnClose_);
  browses_.back().enabledOnClose = enableOnClose_;
  if (okOnSelection_) choice_ = selection_;
  if (!choice_) return nullptr;
  std::strncpy(info->pszDisplayName, "display name", MAX_PATH - 1);
  char* itemList = static_cast<char*>(Allocate(choice_->size()));
  std::memcpy(itemList, choice_->c_str(), choice_->size() + 1);
  return reinterpret_cast<LPITEMIDLIST>(itemList);
}

void FakeFolderBrowser::EnableWindowsOnClose(HWND, const std::vector<HWND>& windows) { enableOnClose_ = windows; }

HRESULT FakeFolderBrowser::CoInitialize(LPVOID) { return comDepth_++ == 0 ? S_OK : S_FALSE; }

BOOL FakeFolderBrowser::SHGetPathFromIDListA(LPCITEMIDLIST itemList, LPSTR path) {
  const char* text = reinterpret_cast<const char*>(itemList);
  if (!text || std::strlen(text) >= MAX_PATH) return FALSE;
  std::strcpy(path, text);
  return TRUE;
}

LRESULT FakeFolderBrowser::SendMessageA(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
  messages_.push_back({message, wParam, lParam ? reinterpret_cast<const char*>(lParam) : ""});
  if (message == BFFM_SETSELECTIONA && wParam) selection_ = messages_.back().text;
  return 0;
}

std::vector<HWND> FakeFolderBrowser::DisableThreadWindows() {
  std::vector<HWND> disabled;
  for (auto& [window, enabled] : windows_) {
    if (!enabled) continue;
    enabled = false;
    disabled.push_back(window);
  }
  return disabled;
}

void FakeFolderBrowser::EnableWindows(const std::vector<HWND>& windows) {
  for (HWND window : windows)
    for (auto& [known, enabled] : windows_)
      if (known == window) enabled = true;
}

bool FakeFolderBrowser::WindowEnabled(HWND window) const {
  for (const auto& [known, enabled] : windows_)
    if (known == window) return enabled;
  return false;
}

}  // namespace platform
