// Side-specific parts of the folder-browser contract: answering the next
// browse dialog as a user would, and a top-level window of this thread.
#pragma once

#include <memory>
#include <string>

#include "platform/folder_browser.h"

namespace contract {

class BrowserHarness {
 public:
  virtual ~BrowserHarness() = default;
  virtual platform::FolderBrowser& Port() = 0;
  // An existing folder one level below a drive's root, without a trailing backslash.
  virtual std::string Folder() = 0;
  // The next browse dialog is answered with OK (on its selection) or Cancel.
  virtual void AnswerNextBrowse(bool ok) = 0;
  // A visible, enabled top-level window of this thread, and its state.
  virtual HWND OwnWindow() = 0;
  virtual bool IsEnabled(HWND window) = 0;
};

std::unique_ptr<BrowserHarness> MakeBrowserHarness();

}  // namespace contract
