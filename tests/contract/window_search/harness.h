// What the window-search contract needs besides the port: top-level
// windows with chosen titles. One implementation per side.
#pragma once

#include <memory>
#include <string>

#include "platform/window_search.h"

namespace window_search_contract {

class Harness {
 public:
  virtual ~Harness() = default;
  virtual platform::WindowSearch& Windows() = 0;
  // A new top-level hidden window with this title (code page 932); closed with
  // CloseWindow or when the harness goes.
  virtual HWND OpenWindow(const std::string& title) = 0;
  virtual void CloseWindow(HWND window) = 0;
  virtual void ShowWindow(HWND window) = 0;
  virtual DWORD OwnProcessId() = 0;
  virtual HWND Foreground() = 0;
};

std::unique_ptr<Harness> MakeHarness();

}  // namespace window_search_contract
