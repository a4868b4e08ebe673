// The real windows of controls (standard BUTTON, EDIT and STATIC windows)
// and the timers of a form, which run on the form's window.
#pragma once

#include "toolkit/backend.h"
#include "toolkit/form_description.h"

namespace toolkit {
class Control;
class Timer;
}  // namespace toolkit

namespace toolkit::win32 {

class Win32Backend;
class Win32FormWindow;

class Win32ControlWindow final : public WindowPeer {
 public:
  Win32ControlWindow(Win32Backend& backend, Control& control, Win32FormWindow& parent);
  ~Win32ControlWindow() override;

  HWND Handle() const override { return window_; }
  std::string Text() const override;
  void SetText(const std::string& text) override;
  bool Enabled() const override;
  void SetEnabled(bool enabled) override;
  bool Visible() const override;
  void SetVisible(bool visible) override;
  bool Checked() const override;
  void SetChecked(bool checked) override;

 private:
  // Auto-sized labels take the size of their text, keeping the edge (or,
  // centred, the middle) that their alignment holds.
  void FitToText();

  const ControlDescription& description_;
  const Rect bounds_;  // the description's, scaled to the screen
  Win32FormWindow& parent_;
  int id_;
  HWND window_ = nullptr;
};

class Win32TimerPeer final : public TimerPeer {
 public:
  Win32TimerPeer(Timer& timer, Win32FormWindow& parent);
  ~Win32TimerPeer() override;
  void Update(bool enabled, unsigned interval) override;

 private:
  Win32FormWindow& parent_;
  int id_;
};

}  // namespace toolkit::win32
