#include "toolkit/win32/win32_backend.h"

#include <commctrl.h>

#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/win32/win32_bitmap.h"
#include "toolkit/win32/win32_control_window.h"
#include "toolkit/win32/win32_form_window.h"

namespace toolkit::win32 {

namespace {

constexpr char kApplicationClass[] = "TessalApplication";
// Posted to the application's window: hand the activation on to the main
// frame (after its own activation, or after it was restored).
constexpr UINT kActivateFrameMessage = WM_APP + 2;

// The frame that the application's minimise hid, until it is restored.
HWND frameHiddenByMinimise = nullptr;

// The main frame: the frame of the workspace the loop translates for.
HWND MainFrame() {
  HWND client = Win32FormWindow::LatestMdiClient();
  return client ? GetParent(client) : nullptr;
}

// The frame whose MDI client the message loop translates for: the last
// frame made that still exists.
HWND CurrentMdiClient() { return Win32FormWindow::LatestMdiClient(); }

// The program's first icon group, the one Explorer shows for the file; the
// system's application icon when the program has none.
BOOL CALLBACK TakeFirstIcon(HMODULE module, LPCSTR, LPSTR name, LONG_PTR found) {
  *reinterpret_cast<HICON*>(found) = LoadIconA(module, name);
  return FALSE;  // the first is enough
}
HICON ProgramIcon(HINSTANCE instance) {
  HICON icon = nullptr;
  EnumResourceNamesA(instance, RT_GROUP_ICON, &TakeFirstIcon, reinterpret_cast<LONG_PTR>(&icon));
  return icon ? icon : LoadIcon(nullptr, IDI_APPLICATION);
}

}  // namespace

Win32Backend::Win32Backend(HINSTANCE instance) : instance_(instance) {
  // The manifest asks for common controls 6, which then draw the buttons and
  // check boxes; Windows wants the program to load them before its windows.
  InitCommonControls();
  WNDCLASSEXA form = {};
  form.cbSize = sizeof form;
  form.lpfnWndProc = &Win32Backend::WindowProc;
  form.hInstance = instance_;
  form.hCursor = LoadCursor(nullptr, IDC_ARROW);
  form.hIcon = ProgramIcon(instance_);
  form.lpszClassName = FormClassName();
  RegisterClassExA(&form);  // a second backend in the same process finds it registered: fine

  // The application's own top-level window: it carries the title, and so
  // the taskbar button, owns the main frame (which then has no button of
  // its own) and the messages that belong to no form. It has no size.
  WNDCLASSEXA application = form;
  application.lpfnWndProc = &Win32Backend::ApplicationProc;
  application.lpszClassName = kApplicationClass;
  RegisterClassExA(&application);
  applicationWindow_ = CreateWindowExA(
      0, kApplicationClass, "", WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
      GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr, nullptr, instance_, nullptr);
}

// The application window has no form; closing it from its taskbar button
// closes the main frame, which asks its own question.
// The window has no size and nothing to type into: when it becomes active
// (a modal window it owned has closed, or its taskbar button was pressed),
// the activation goes on to the main frame, which gives the focus back to
// the control of its page that had it.
LRESULT CALLBACK Win32Backend::ApplicationProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      if (HWND frame = MainFrame()) PostMessageA(frame, WM_CLOSE, 0, 0);
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) PostMessageA(window, kActivateFrameMessage, 0, 0);
      break;
    case WM_SIZE:
      if (wParam == SIZE_RESTORED && frameHiddenByMinimise) PostMessageA(window, kActivateFrameMessage, 0, 0);
      break;
    case kActivateFrameMessage: {
      HWND frame = MainFrame();
      if (frame == nullptr || IsIconic(window)) return 0;
      if (frame == frameHiddenByMinimise) {
        frameHiddenByMinimise = nullptr;
        ShowWindow(frame, SW_SHOW);  // in the state it was hidden in (maximised)
      }
      // Only where the frame takes input: while a modal window runs it is
      // disabled and that window keeps the activation.
      if (IsWindowVisible(frame) && IsWindowEnabled(frame) && GetActiveWindow() == window) SetActiveWindow(frame);
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void Win32Backend::MinimiseApplication(HWND frame) {
  frameHiddenByMinimise = frame;
  ShowWindow(frame, SW_HIDE);
  ShowWindow(applicationWindow_, SW_MINIMIZE);
}

Win32Backend::~Win32Backend() {
  if (applicationWindow_) DestroyWindow(applicationWindow_);
}

LRESULT CALLBACK Win32Backend::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    void* param = create->lpCreateParams;
    // An MDI child gets its creation parameter wrapped in an MDICREATESTRUCT.
    if (param && (create->dwExStyle & WS_EX_MDICHILD))
      param = reinterpret_cast<void*>(reinterpret_cast<MDICREATESTRUCTA*>(param)->lParam);
    if (param) static_cast<Win32FormWindow*>(param)->Attach(window);
  }
  auto* bound = reinterpret_cast<Win32FormWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (bound == nullptr) {
    // Messages before WM_NCCREATE and after the form let go of its window.
    if (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_MDICHILD) return DefMDIChildProcA(window, message, wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
  }
  try {
    return bound->OnMessage(message, wParam, lParam);
  } catch (...) {
    // Handlers already show the errors they raise; whatever else is thrown
    // stops here, as nothing may unwind through the window system.
    return 0;
  }
}

std::unique_ptr<FormPeer> Win32Backend::CreateFormWindow(Form& form, Form* frame) {
  return Win32FormWindow::Create(*this, form, frame);
}

std::unique_ptr<WindowPeer> Win32Backend::CreateControlWindow(Control& control, Form& parent) {
  auto* window = Win32FormWindow::Of(parent);
  return std::make_unique<Win32ControlWindow>(*this, control, *window);
}

std::unique_ptr<TimerPeer> Win32Backend::CreateTimer(Timer& timer, Form& parent) {
  return std::make_unique<Win32TimerPeer>(timer, *Win32FormWindow::Of(parent));
}

std::unique_ptr<BitmapPeer> Win32Backend::LoadBitmapFile(const std::string& fileName) {
  return Win32Bitmap::Load(fileName);
}

int Win32Backend::ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) {
  return MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}

LResult Win32Backend::CallPreviousProcedure(WindowProcedure procedure, HWND window, UINT message, WParam wParam,
                                            LParam lParam) {
  return CallWindowProcA(procedure, window, message, wParam, lParam);
}

Rect Win32Backend::PaintedArea(DeviceContext dc) {
  RECT box = {};
  // No clip box to be had: the whole surface, as the erase would cover it.
  if (GetClipBox(dc, &box) == ERROR) return {0, 0, 0x7FFF, 0x7FFF};
  return {box.left, box.top, box.right - box.left, box.bottom - box.top};
}

void Win32Backend::SetTitle(const std::string& title) { SetWindowTextA(applicationWindow_, title.c_str()); }

void Win32Backend::Dispatch(MSG& message) {
  HWND client = CurrentMdiClient();
  HWND page = client ? reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0)) : nullptr;
  // The MDI accelerators (Ctrl+F4 closes, Ctrl+F6 and Ctrl+Tab switch) are
  // for children a user may close or switch, that is with a system menu; a
  // wizard page has none and ends only the ways its flow gives.
  if (page && (GetWindowLongA(page, GWL_STYLE) & WS_SYSMENU) && TranslateMDISysAccel(client, &message)) return;
  if (page && IsDialogMessageA(page, &message)) return;
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

void Win32Backend::RunLoop(Application& application) {
  MSG message;
  while (!application.Terminated()) {
    BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      application.QuitReceived();
      break;
    }
    Dispatch(message);
  }
}

void Win32Backend::ProcessMessages(Application& application) {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // Seen here, the quit still ends the event loop once control is back there.
      application.QuitReceived();
      break;
    }
    Dispatch(message);
  }
}

void Win32Backend::PostQuit() { PostQuitMessage(0); }

}  // namespace toolkit::win32
