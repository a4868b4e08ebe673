#include "toolkit/win32/win32_control_window.h"

#include "common/exception.h"
#include "platform/lead_byte.h"
#include "toolkit/controls.h"
#include "toolkit/timer.h"
#include "toolkit/win32/win32_backend.h"
#include "toolkit/win32/win32_form_window.h"

namespace toolkit::win32 {

namespace {

struct WindowKind {
  const char* className;
  DWORD style;
  DWORD exStyle;
};

DWORD LabelStyle(const ControlDescription& description) {
  DWORD style = SS_LEFTNOWORDWRAP;
  if (description.alignment == Alignment::Centre)
    style = SS_CENTER;
  else if (description.alignment == Alignment::Right)
    style = SS_RIGHT;
  else if (description.wordWrap)
    style = SS_LEFT;
  // Only a label with an access key reads "&" as one; any other shows its
  // text as it is, e.g. a path that contains "&".
  if (description.focusControl.empty()) style |= SS_NOPREFIX;
  return style;
}

WindowKind KindOf(const ControlDescription& description) {
  switch (description.kind) {
    case ControlKind::Button:
      return {"BUTTON", BS_PUSHBUTTON, 0};
    case ControlKind::CheckBox:
      return {"BUTTON", BS_AUTOCHECKBOX, 0};
    case ControlKind::Edit:
      return {"EDIT", ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::Label:
    case ControlKind::Timer:
      break;
  }
  return {"STATIC", LabelStyle(description), 0};
}

}  // namespace

Win32ControlWindow::Win32ControlWindow(Win32Backend& backend, Control& control, Win32FormWindow& parent)
    : description_(control.Description()),
      bounds_(backend.Scale()(description_.bounds)),
      parent_(parent),
      id_(parent.RegisterControl(control)) {
  const ControlDescription& description = description_;
  WindowKind kind = KindOf(description);
  DWORD style = WS_CHILD | WS_VISIBLE | kind.style;
  if (description.tabOrder >= 0) style |= WS_TABSTOP;
  if (!description.enabled) style |= WS_DISABLED;
  window_ = CreateWindowExA(kind.exStyle, kind.className, description.caption.c_str(), style, bounds_.left,
                            bounds_.top, bounds_.width, bounds_.height, parent.Handle(),
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)), backend.Instance(), nullptr);
  if (window_ == nullptr) {
    parent_.UnregisterControl(id_);
    throw Exception("the control '" + description.name + "' could not be created");
  }
  SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(parent.Font()), FALSE);
  FitToText();
}

void Win32ControlWindow::FitToText() {
  if (description_.kind != ControlKind::Label || !description_.autoSize) return;
  std::string text = Text();
  if (description_.focusControl.size()) {  // "&D" shows as an underlined D
    std::string shown;
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '&' && i + 1 < text.size()) ++i;
      shown += text[i];
      if (platform::IsLeadByte(text[i]) && i + 1 < text.size()) shown += text[++i];
    }
    text = shown;
  }
  HDC dc = GetDC(window_);
  HGDIOBJ previous = SelectObject(dc, parent_.Font());
  SIZE extent = {};
  BOOL measured = GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  if (text.empty()) {
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    extent.cy = metrics.tmHeight;
  }
  SelectObject(dc, previous);
  ReleaseDC(window_, dc);
  if (!measured) return;
  int left = bounds_.left;
  if (description_.alignment == Alignment::Centre) left = bounds_.left + (bounds_.width - extent.cx) / 2;
  if (description_.alignment == Alignment::Right) left = bounds_.left + bounds_.width - extent.cx;
  SetWindowPos(window_, nullptr, left, bounds_.top, extent.cx, extent.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

Win32ControlWindow::~Win32ControlWindow() {
  parent_.UnregisterControl(id_);
  if (IsWindow(window_)) DestroyWindow(window_);
}

std::string Win32ControlWindow::Text() const {
  int length = GetWindowTextLengthA(window_);
  std::string text(length + 1, '\0');
  int copied = GetWindowTextA(window_, text.data(), length + 1);
  text.resize(copied > 0 ? copied : 0);
  return text;
}

// An edit answers WM_SETTEXT with EN_CHANGE, which raises OnChange.
void Win32ControlWindow::SetText(const std::string& text) {
  SetWindowTextA(window_, text.c_str());
  FitToText();
}

bool Win32ControlWindow::Enabled() const { return IsWindowEnabled(window_) != FALSE; }

void Win32ControlWindow::SetEnabled(bool enabled) { EnableWindow(window_, enabled ? TRUE : FALSE); }

bool Win32ControlWindow::Visible() const { return (GetWindowLongA(window_, GWL_STYLE) & WS_VISIBLE) != 0; }

void Win32ControlWindow::SetVisible(bool visible) { ShowWindow(window_, visible ? SW_SHOW : SW_HIDE); }

bool Win32ControlWindow::Checked() const { return SendMessageA(window_, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void Win32ControlWindow::SetChecked(bool checked) {
  SendMessageA(window_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

Win32TimerPeer::Win32TimerPeer(Timer& timer, Win32FormWindow& parent)
    : parent_(parent), id_(parent.RegisterTimer(timer)) {}

Win32TimerPeer::~Win32TimerPeer() {
  if (parent_.Handle()) KillTimer(parent_.Handle(), id_);
  parent_.UnregisterTimer(id_);
}

void Win32TimerPeer::Update(bool enabled, unsigned interval) {
  if (parent_.Handle() == nullptr) return;
  KillTimer(parent_.Handle(), id_);
  // An interval of 0 stops the timer, as a disabled one.
  if (enabled && interval > 0) SetTimer(parent_.Handle(), id_, interval, nullptr);
}

}  // namespace toolkit::win32
