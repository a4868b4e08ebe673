// The real window of a form: an MDI frame with its MDI client, or an MDI
// child page. It answers the messages of its window and of its controls
// (WM_COMMAND, WM_TIMER, WM_CLOSE) and hands them to the toolkit's objects.
#pragma once

#include <map>
#include <memory>

#include "toolkit/backend.h"

namespace toolkit {
class Control;
class Form;
class Timer;
}  // namespace toolkit

namespace toolkit::win32 {

class Win32Backend;

class Win32FormWindow final : public FormPeer {
 public:
  // The window, hidden; a page is placed centred over the frame's workspace.
  static std::unique_ptr<Win32FormWindow> Create(Win32Backend& backend, Form& form, Form* frame);
  // The window object bound to a form's window.
  static Win32FormWindow* Of(const Form& form);
  // The MDI client of the newest frame that still exists.
  static HWND LatestMdiClient();
  ~Win32FormWindow() override;

  // Binds the window to this object; from WM_NCCREATE on.
  void Attach(HWND window);
  // Every message of the bound window. Nothing is thrown out of it.
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

  HFONT Font() const { return font_; }
  int RegisterControl(Control& control);
  void UnregisterControl(int id) { controls_.erase(id); }
  int RegisterTimer(Timer& timer);
  void UnregisterTimer(int id) { timers_.erase(id); }

  HWND Handle() const override { return window_; }
  std::string Text() const override;
  void SetText(const std::string& text) override;
  bool Enabled() const override;
  void SetEnabled(bool enabled) override;
  bool Visible() const override;
  void SetVisible(bool visible) override;
  int ClientWidth() const override;
  int ClientHeight() const override;
  HWND ClientHandle() const override { return client_; }
  WindowProcedure SubclassClient(ClientHandler handler) override;
  void PostRelease() override;

 private:
  Win32FormWindow(Win32Backend& backend, Form& form);

  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
  void CreateMdiClient();
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
  COLORREF ColourValue() const;
  // Frames: remember the focused control of a page when the frame loses the
  // activation or is disabled (a modal window opens), and give it back.
  void SaveFocus();
  void RestoreFocus();

  // The MDI client's procedure: the workspace handler once one is
  // installed, otherwise WorkspaceProc.
  static LRESULT CALLBACK ClientProc(HWND client, UINT message, WPARAM wParam, LPARAM lParam);
  // The toolkit's own workspace: erased in the frame's colour.
  static LRESULT CALLBACK WorkspaceProc(HWND client, UINT message, WPARAM wParam, LPARAM lParam);

  Win32Backend& backend_;
  Form& form_;
  bool frame_;
  HWND window_ = nullptr;
  HWND client_ = nullptr;      // frames: the MDI client
  HWND hostClient_ = nullptr;  // pages: the MDI client they live in
  WNDPROC clientDefault_ = nullptr;
  ClientHandler workspaceHandler_;
  HBRUSH brush_ = nullptr;
  bool ownsBrush_ = false;
  HFONT font_ = nullptr;
  std::map<int, Control*> controls_;
  std::map<int, Timer*> timers_;
  int nextControlId_ = 100;
  int nextTimerId_ = 1;
  HWND savedFocus_ = nullptr;  // frames: the control that had the focus when the frame let go of it
};

}  // namespace toolkit::win32
