#include <windows.h>

#include <vector>

#include "platform/win32/win32_window_search.h"
#include "tests/contract/window_search/harness.h"

namespace window_search_contract {

namespace {

constexpr char kClassName[] = "TessalWindowSearchContract";

class Win32Harness final : public Harness {
 public:
  Win32Harness() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = ::DefWindowProcA;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClassName;
    ::RegisterClassA(&windowClass);  // already registered by an earlier harness: fine
  }
  ~Win32Harness() override {
    for (HWND window : open_) ::DestroyWindow(window);
  }
  platform::WindowSearch& Windows() override { return windows_; }
  HWND OpenWindow(const std::string& title) override {
    HWND window = ::CreateWindowA(kClassName, title.c_str(), WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
    if (window) open_.push_back(window);
    return window;
  }
  void CloseWindow(HWND window) override {
    ::DestroyWindow(window);
    std::erase(open_, window);
  }
  void ShowWindow(HWND window) override { ::ShowWindow(window, SW_SHOW); }
  DWORD OwnProcessId() override { return ::GetCurrentProcessId(); }
  HWND Foreground() override { return ::GetForegroundWindow(); }

 private:
  platform::Win32WindowSearch windows_;
  std::vector<HWND> open_;
};

}  // namespace

std::unique_ptr<Harness> MakeHarness() { return std::make_unique<Win32Harness>(); }

}  // namespace window_search_contract
