#include "launcher/framework/dialog.h"

#include "launcher/framework/win_app.h"

namespace framework {

namespace {

// The dialog whose window is being created, and the hook that binds it: the
// object must receive the window's first messages (WM_CREATE among them),
// which arrive before CreateDialogIndirectParam returns.
CDialog* g_creating = nullptr;
HHOOK g_creationHook = nullptr;

// Windows may create an input-method window (class "IME", or a class of
// style CS_IME) for the thread's first window while the dialog is being
// made; bound to that, the dialog object would never see its own window.
bool IsInputMethodWindow(HWND window) {
  char className[16] = {};
  ::GetClassNameA(window, className, sizeof className);
  if (::lstrcmpiA(className, "IME") == 0) return true;
  return (::GetClassLongA(window, GCL_STYLE) & CS_IME) != 0;
}

}  // namespace

void DDX_Control(CDataExchange* exchange, int id, CWnd& control) {
  if (!control.m_hWnd) control.SubclassDlgItem(id, exchange->m_pDlgWnd);
}

LRESULT CALLBACK CDialog::CatchCreation(int code, WPARAM wParam, LPARAM lParam) {
  HHOOK hook = g_creationHook;
  if (code == HCBT_CREATEWND && g_creating && !IsInputMethodWindow(reinterpret_cast<HWND>(wParam))) {
    // The first window of ours created is the dialog; its controls follow.
    g_creating->Bind(reinterpret_cast<HWND>(wParam));
    g_creating = nullptr;
    ::UnhookWindowsHookEx(g_creationHook);
    g_creationHook = nullptr;
  }
  return ::CallNextHookEx(hook, code, wParam, lParam);
}

INT_PTR CDialog::DoModal() {
  HINSTANCE instance = CWinApp::Current() ? CWinApp::Current()->m_hInstance : nullptr;
  if (!instance) instance = ::GetModuleHandleA(nullptr);
  HRSRC found = ::FindResourceA(instance, MAKEINTRESOURCEA(templateId_), MAKEINTRESOURCEA(5) /* RT_DIALOG */);
  HGLOBAL loaded = found ? ::LoadResource(instance, found) : nullptr;
  auto* dialogTemplate = loaded ? static_cast<LPCDLGTEMPLATEA>(::LockResource(loaded)) : nullptr;
  if (!dialogTemplate) return -1;

  ended_ = false;
  result_ = -1;
  HWND parent = parent_ ? parent_->m_hWnd : nullptr;
  g_creating = this;
  g_creationHook = ::SetWindowsHookExA(WH_CBT, &CDialog::CatchCreation, nullptr, ::GetCurrentThreadId());
  HWND window = CreateDialogWindow(instance, dialogTemplate, parent);
  if (g_creationHook) ::UnhookWindowsHookEx(g_creationHook);
  g_creationHook = nullptr;
  g_creating = nullptr;
  if (!window) return result_;  // refused in OnCreate, or no window at all

  if (parent) ::EnableWindow(parent, FALSE);
  MSG message;
  while (m_hWnd && !ended_) {
    BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) ::PostQuitMessage(static_cast<int>(message.wParam));  // for the loop outside
      break;
    }
    if (!::IsDialogMessageA(m_hWnd, &message)) {
      ::TranslateMessage(&message);
      ::DispatchMessageA(&message);
    }
  }
  // The owner is enabled again before the dialog goes, so that it gets the focus back.
  if (parent) ::EnableWindow(parent, TRUE);
  if (m_hWnd) DestroyWindow();
  return result_;
}

HWND CDialog::CreateDialogWindow(HINSTANCE instance, LPCDLGTEMPLATEA dialogTemplate, HWND parent) {
  return ::CreateDialogIndirectParamA(instance, dialogTemplate, parent, &CDialog::DialogProc,
                                      reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(int result) {
  result_ = result;
  ended_ = true;
  if (m_hWnd) ::PostMessageA(m_hWnd, WM_NULL, 0, 0);  // wake the modal loop
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
  CDataExchange exchange{this, saveAndValidate};
  DoDataExchange(&exchange);
  return TRUE;
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
  auto* self = dynamic_cast<CDialog*>(CWnd::FromHandle(window));
  if (!self) return FALSE;
  try {
    if (message == WM_INITDIALOG) {
      RECT before, after;
      ::GetWindowRect(window, &before);
      BOOL result = self->OnInitDialog();
      ::GetWindowRect(window, &after);
      if (!self->parent_ && before.left == after.left && before.top == after.top) self->CenterWindow();
      return result;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
      self->OnOK();
      return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
      self->OnCancel();
      return TRUE;
    }
  } catch (...) {
    // Nothing may cross into the system; the message counts as handled.
    return TRUE;
  }
  return FALSE;
}

}  // namespace framework
