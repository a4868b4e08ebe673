#include "toolkit/win32/win32_form_window.h"

#include <algorithm>

#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/win32/win32_backend.h"
#include "toolkit/win32/win32_font.h"

namespace toolkit::win32 {

namespace {

// Posted to a form's window: free the form once the current event is over.
constexpr UINT kReleaseMessage = WM_APP + 1;
constexpr char kFrameProperty[] = "TessalFrame";
constexpr UINT kFirstMdiChildId = 0xFF00;

HWND latestMdiClient = nullptr;

DWORD StyleOf(const FormDescription& description) {
  DWORD style = WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION;
  if (description.kind == FormKind::MdiChild) style |= WS_CHILD;
  if (description.border == BorderStyle::Sizeable) style |= WS_THICKFRAME;
  if (description.titleBarButtons) style |= WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  return style;
}

}  // namespace

Win32FormWindow::Win32FormWindow(Win32Backend& backend, Form& form)
    : backend_(backend), form_(form), frame_(form.Description().kind == FormKind::MdiFrame) {}

std::unique_ptr<Win32FormWindow> Win32FormWindow::Create(Win32Backend& backend, Form& form, Form* frame) {
  std::unique_ptr<Win32FormWindow> window(new Win32FormWindow(backend, form));
  const FormDescription& description = form.Description();

  const Colour& colour = description.colour;
  if (colour.system) {
    window->brush_ = GetSysColorBrush(colour.systemIndex);
  } else {
    window->brush_ = CreateSolidBrush(RGB(colour.red, colour.green, colour.blue));
    window->ownsBrush_ = true;
  }
  const DpiScale& scale = backend.Scale();
  window->font_ = CreateFormFont(description.font.name, scale(description.font.pixelHeight));

  DWORD style = StyleOf(description);
  if (window->frame_) {
    const Rect bounds = scale(description.bounds);
    // Owned by the application's window, whose title is the taskbar text.
    CreateWindowExA(0, Win32Backend::FormClassName(), description.caption.c_str(), style, bounds.left, bounds.top,
                    bounds.width, bounds.height, backend.ApplicationHandle(), nullptr, backend.Instance(),
                    window.get());
  } else {
    Win32FormWindow* host = frame ? Of(*frame) : nullptr;
    if (host == nullptr || host->client_ == nullptr) throw Exception("'" + form.Name() + "' has no MDI frame");
    window->hostClient_ = host->client_;
    RECT outer = {0, 0, scale(description.clientWidth), scale(description.clientHeight)};
    AdjustWindowRectEx(&outer, style, FALSE, WS_EX_MDICHILD);
    int width = outer.right - outer.left;
    int height = outer.bottom - outer.top;
    // Centred over the workspace, never above or left of it.
    RECT workspace;
    GetClientRect(host->client_, &workspace);
    int left = description.centreOverMainForm ? std::max(0, (static_cast<int>(workspace.right) - width) / 2) : 0;
    int top = description.centreOverMainForm ? std::max(0, (static_cast<int>(workspace.bottom) - height) / 2) : 0;
    CreateWindowExA(WS_EX_MDICHILD, Win32Backend::FormClassName(), description.caption.c_str(), style, left, top, width,
                    height, host->client_, nullptr, backend.Instance(), window.get());
  }
  if (window->window_ == nullptr) throw Exception("the window of '" + form.Name() + "' could not be created");
  return window;
}

Win32FormWindow* Win32FormWindow::Of(const Form& form) {
  HWND handle = form.Handle();
  return handle ? reinterpret_cast<Win32FormWindow*>(GetWindowLongPtrA(handle, GWLP_USERDATA)) : nullptr;
}

HWND Win32FormWindow::LatestMdiClient() { return latestMdiClient; }

Win32FormWindow::~Win32FormWindow() {
  // Teardown: the workspace handler belongs to a form that is going away,
  // so it is dropped first; then the window lets go of this object and is
  // destroyed (a page through its MDI client, which keeps the list of pages).
  workspaceHandler_ = nullptr;
  if (window_) {
    HWND window = window_;
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    window_ = nullptr;
    if (hostClient_ && IsWindow(hostClient_))
      SendMessageA(hostClient_, WM_MDIDESTROY, reinterpret_cast<WPARAM>(window), 0);
    else if (IsWindow(window))
      DestroyWindow(window);
  }
  if (latestMdiClient == client_) latestMdiClient = nullptr;
  if (font_) DeleteObject(font_);
  if (ownsBrush_) DeleteObject(brush_);
}

void Win32FormWindow::Attach(HWND window) {
  window_ = window;
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void Win32FormWindow::CreateMdiClient() {
  CLIENTCREATESTRUCT create = {nullptr, kFirstMdiChildId};
  // All child styles: pages keep their fixed border and have no title-bar buttons.
  client_ = CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE | MDIS_ALLCHILDSTYLES, 0,
                            0, 0, 0, window_, nullptr, backend_.Instance(), &create);
  if (client_ == nullptr) return;
  SetPropA(client_, kFrameProperty, this);
  clientDefault_ =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrA(client_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ClientProc)));
  latestMdiClient = client_;
}

LRESULT CALLBACK Win32FormWindow::ClientProc(HWND client, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = static_cast<Win32FormWindow*>(GetPropA(client, kFrameProperty));
  if (self == nullptr) return DefWindowProcA(client, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    RemovePropA(client, kFrameProperty);
    return CallWindowProcA(self->clientDefault_, client, message, wParam, lParam);
  }
  if (!self->workspaceHandler_) return WorkspaceProc(client, message, wParam, lParam);
  LRESULT result = 0;
  try {
    self->form_.App().Guard([&] { result = self->workspaceHandler_(client, message, wParam, lParam); });
  } catch (...) {
    // Nothing may unwind through the window system.
  }
  return result;
}

LRESULT CALLBACK Win32FormWindow::WorkspaceProc(HWND client, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = static_cast<Win32FormWindow*>(GetPropA(client, kFrameProperty));
  if (self == nullptr) return DefWindowProcA(client, message, wParam, lParam);
  if (message == WM_ERASEBKGND) {
    RECT area;
    GetClientRect(client, &area);
    FillRect(reinterpret_cast<HDC>(wParam), &area, self->brush_);
    return 1;
  }
  return CallWindowProcA(self->clientDefault_, client, message, wParam, lParam);
}

WindowProcedure Win32FormWindow::SubclassClient(ClientHandler handler) {
  if (client_ == nullptr) throw Exception("'" + form_.Name() + "' has no MDI client");
  workspaceHandler_ = std::move(handler);
  return &WorkspaceProc;
}

LRESULT Win32FormWindow::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  if (frame_) return DefFrameProcA(window_, client_, message, wParam, lParam);
  return DefMDIChildProcA(window_, message, wParam, lParam);
}

COLORREF Win32FormWindow::ColourValue() const {
  const Colour& colour = form_.Description().colour;
  return colour.system ? GetSysColor(colour.systemIndex) : RGB(colour.red, colour.green, colour.blue);
}

void Win32FormWindow::SaveFocus() {
  HWND focus = GetFocus();
  if (focus && IsChild(window_, focus)) savedFocus_ = focus;
}

void Win32FormWindow::RestoreFocus() {
  if (savedFocus_ && IsWindow(savedFocus_) && IsChild(window_, savedFocus_) && IsWindowVisible(savedFocus_) &&
      IsWindowEnabled(savedFocus_))
    SetFocus(savedFocus_);
}

LRESULT Win32FormWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (frame_) {
    switch (message) {
      case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
          SaveFocus();
          break;
        } else {
          LRESULT result = Default(message, wParam, lParam);
          if (!HIWORD(wParam)) RestoreFocus();
          return result;
        }
      case WM_ENABLE:
        if (!wParam) SaveFocus();
        break;
      case WM_SYSCOMMAND:
        // The frame has no taskbar button of its own: minimising it
        // minimises the application, whose button restores it.
        if ((wParam & 0xFFF0) == SC_MINIMIZE && GetWindow(window_, GW_OWNER) == backend_.ApplicationHandle()) {
          SaveFocus();
          backend_.MinimiseApplication(window_);
          return 0;
        }
        break;
      default:
        break;
    }
  }
  switch (message) {
    case WM_CREATE:
      if (frame_) CreateMdiClient();
      return Default(message, wParam, lParam);
    case WM_ERASEBKGND: {
      RECT area;
      GetClientRect(window_, &area);
      FillRect(reinterpret_cast<HDC>(wParam), &area, brush_);
      return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      SetBkColor(reinterpret_cast<HDC>(wParam), ColourValue());
      return reinterpret_cast<LRESULT>(brush_);
    case WM_COMMAND:
      if (lParam != 0 && controls_.count(LOWORD(wParam))) return OnCommand(wParam, lParam);
      return Default(message, wParam, lParam);
    case WM_TIMER:
      if (auto timer = timers_.find(static_cast<int>(wParam)); timer != timers_.end()) {
        timer->second->HandleTimer();
        return 0;
      }
      return Default(message, wParam, lParam);
    case WM_CLOSE:
      form_.HandleCloseRequest();
      return 0;
    case kReleaseMessage:
      // May delete this object; nothing of it may be touched afterwards.
      form_.App().Guard([this] { form_.ReleaseDue(); });
      return 0;
    case WM_NCDESTROY: {
      LRESULT result = Default(message, wParam, lParam);
      SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
      window_ = nullptr;
      return result;
    }
    default:
      return Default(message, wParam, lParam);
  }
}

LRESULT Win32FormWindow::OnCommand(WPARAM wParam, LPARAM) {
  Control* control = controls_[LOWORD(wParam)];
  switch (HIWORD(wParam)) {
    case BN_CLICKED:
      control->HandleClick();
      break;
    case EN_CHANGE:
      control->HandleChange();
      break;
    default:
      break;
  }
  return 0;
}

int Win32FormWindow::RegisterControl(Control& control) {
  int id = nextControlId_++;
  controls_[id] = &control;
  return id;
}

int Win32FormWindow::RegisterTimer(Timer& timer) {
  int id = nextTimerId_++;
  timers_[id] = &timer;
  return id;
}

std::string Win32FormWindow::Text() const {
  int length = GetWindowTextLengthA(window_);
  std::string text(length + 1, '\0');
  int copied = GetWindowTextA(window_, text.data(), length + 1);
  text.resize(copied > 0 ? copied : 0);
  return text;
}

void Win32FormWindow::SetText(const std::string& text) { SetWindowTextA(window_, text.c_str()); }

bool Win32FormWindow::Enabled() const { return IsWindowEnabled(window_) != FALSE; }

void Win32FormWindow::SetEnabled(bool enabled) { EnableWindow(window_, enabled ? TRUE : FALSE); }

// The form's own visibility, also while the frame around a page is hidden.
bool Win32FormWindow::Visible() const { return window_ && (GetWindowLongA(window_, GWL_STYLE) & WS_VISIBLE); }

void Win32FormWindow::SetVisible(bool visible) {
  if (!visible) {
    ShowWindow(window_, SW_HIDE);
    return;
  }
  if (frame_) {
    ShowWindow(backend_.ApplicationHandle(), SW_SHOWNOACTIVATE);
    bool maximised = form_.Description().state == WindowState::Maximized;
    ShowWindow(window_, maximised ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    UpdateWindow(window_);
    return;
  }
  ShowWindow(window_, SW_SHOW);
  SendMessageA(hostClient_, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window_), 0);
  if (HWND first = GetNextDlgTabItem(window_, nullptr, FALSE)) SetFocus(first);
}

int Win32FormWindow::ClientWidth() const {
  RECT area = {};
  GetClientRect(window_, &area);
  return area.right;
}

int Win32FormWindow::ClientHeight() const {
  RECT area = {};
  GetClientRect(window_, &area);
  return area.bottom;
}

void Win32FormWindow::PostRelease() { PostMessageA(window_, kReleaseMessage, 0, 0); }

}  // namespace toolkit::win32
