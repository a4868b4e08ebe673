// The folder browser in memory: the user's choice is scripted (a path, or
// cancel), and what the program asked for is recorded. Item lists are
// allocated through the fake allocator, which counts what is not freed.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/folder_browser.h"

namespace platform {

class FakeFolderBrowser final : public FolderBrowser {
 public:
  struct Browse {
    HWND owner = nullptr;
    bool hasRoot = false;
    std::string title;
    UINT flags = 0;
    std::vector<HWND> disabledDuring;  // windows disabled while the dialog ran
    bool comInitialised = false;       // COM was initialised when it was called
    std::vector<HWND> enabledOnClose;  // enabled as the dialog closed, before it went
  };
  struct Message {
    UINT message;
    WPARAM wParam;
    std::string text;  // the string lParam points at
  };

  // The next browse chooses this path; nullopt cancels.
  void ChooseNext(std::optional<std::string> path) {
    choice_ = std::move(path);
    okOnSelection_ = false;
  }
  // The next browse is answered with OK on whatever the program selected
  // when the dialog came up (none selected: the desktop, no file path).
  void PressOkNext() {
    choice_.reset();
    okOnSelection_ = true;
  }
  void FailMalloc(bool fail) { failMalloc_ = fail; }
  void SetThreadWindows(std::vector<std::pair<HWND, bool>> windowsAndEnabled) {
    windows_ = std::move(windowsAndEnabled);
  }

  const std::vector<Browse>& Browses() const { return browses_; }
  const std::vector<Message>& Messages() const { return messages_; }
  int OutstandingAllocations() const { return allocations_; }
  bool WindowEnabled(HWND window) const;

  HRESULT SHGetMalloc(std::unique_ptr<ShellMalloc>* malloc) override;
  HRESULT SHGetDesktopFolder(std::unique_ptr<DesktopFolder>* folder) override;
  LPITEMIDLIST SHBrowseForFolderA(LPBROWSEINFOA info) override;
  BOOL SHGetPathFromIDListA(LPCITEMIDLIST itemList, LPSTR path) override;
  LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  std::vector<HWND> DisableThreadWindows() override;
  void EnableWindows(const std::vector<HWND>& windows) override;
  void EnableWindowsOnClose(HWND dialog, const std::vector<HWND>& windows) override;
  HRESULT CoInitialize(LPVOID reserved) override;
  void CoUninitialize() override { --comDepth_; }
  // COM initialisations of the thread not yet undone.
  int ComDepth() const { return comDepth_; }

  // Used by the fake allocator and desktop folder.
  void* Allocate(SIZE_T size);
  void Release(void* block);

 private:
  std::optional<std::string> choice_;
  bool okOnSelection_ = false;
  std::string selection_;
  bool failMalloc_ = false;
  std::vector<std::pair<HWND, bool>> windows_;
  std::vector<Browse> browses_;
  std::vector<Message> messages_;
  int allocations_ = 0;
  int comDepth_ = 0;
  std::vector<HWND> enableOnClose_;
};

}  // namespace platform
