#include "tests/e2e/driver/driver.h"

namespace e2e {

bool PressKeys(HWND topLevel, const std::vector<WORD>& keys) {
  ::SetForegroundWindow(topLevel);
  for (int waited = 0; ::GetForegroundWindow() != topLevel; waited += 50) {
    if (waited > 2000) return false;
    ::Sleep(50);
  }
  std::vector<INPUT> inputs;
  auto add = [&inputs](WORD key, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
  };
  for (WORD key : keys) add(key, false);
  for (auto key = keys.rbegin(); key != keys.rend(); ++key) add(*key, true);
  UINT sent = ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  ::Sleep(300);  // let the program handle them
  return sent == inputs.size();
}

Activation ActivationOf(HWND window) {
  Activation seen;
  seen.foreground = ::GetForegroundWindow();
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  if (::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info)) {
    seen.active = info.hwndActive;
    seen.focus = info.hwndFocus;
  }
  return seen;
}

int CountVisibleChildren(HWND parent, const std::string& caption) {
  int count = 0;
  for (HWND child : Children(parent))
    if (::IsWindowVisible(child) && WindowText(child) == caption) ++count;
  return count;
}

}  // namespace e2e
