#include "platform/fake/fake_window_search.h"
#include "tests/contract/window_search/harness.h"

namespace window_search_contract {

namespace {

class FakeHarness final : public Harness {
 public:
  platform::WindowSearch& Windows() override { return windows_; }
  HWND OpenWindow(const std::string& title) override { return windows_.OpenWindow(title); }
  void CloseWindow(HWND window) override { windows_.CloseWindow(window); }
  void ShowWindow(HWND window) override { windows_.ShowWindow(window); }
  DWORD OwnProcessId() override { return platform::FakeWindowSearch::kOwnProcessId; }
  HWND Foreground() override { return windows_.Foreground(); }

 private:
  platform::FakeWindowSearch windows_;
};

}  // namespace

std::unique_ptr<Harness> MakeHarness() { return std::make_unique<FakeHarness>(); }

}  // namespace window_search_contract
