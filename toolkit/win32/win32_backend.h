// The backend that makes real Win32 windows: an MDI frame with its MDI
// client, MDI child pages, standard controls, timers on the form's window,
// bitmaps from files and MessageBoxA. One static window procedure serves
// every form window; it binds the window to its form at WM_NCCREATE.
#pragma once

#include "toolkit/backend.h"
#include "toolkit/win32/win32_scaling.h"

namespace toolkit::win32 {

class Win32FormWindow;

class Win32Backend final : public Backend {
 public:
  explicit Win32Backend(HINSTANCE instance);
  ~Win32Backend() override;

  std::unique_ptr<FormPeer> CreateFormWindow(Form& form, Form* frame) override;
  std::unique_ptr<WindowPeer> CreateControlWindow(Control& control, Form& parent) override;
  std::unique_ptr<TimerPeer> CreateTimer(Timer& timer, Form& parent) override;
  std::unique_ptr<BitmapPeer> LoadBitmapFile(const std::string& fileName) override;
  int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) override;
  LResult CallPreviousProcedure(WindowProcedure procedure, HWND window, UINT message, WParam wParam,
                                LParam lParam) override;
  Rect PaintedArea(DeviceContext dc) override;
  void SetTitle(const std::string& title) override;
  HWND ApplicationHandle() const override { return applicationWindow_; }
  void RunLoop(Application& application) override;
  void ProcessMessages(Application& application) override;
  void PostQuit() override;

  HINSTANCE Instance() const { return instance_; }
  // The scale from the forms' descriptions to the screen, fixed for the
  // program's life, as the system DPI is for a system-DPI-aware program.
  const DpiScale& Scale() const { return scale_; }
  // The main frame's minimise: the frame is hidden and the application's
  // window, whose taskbar button the user sees, is minimised; restoring
  // that window shows and activates the frame again.
  void MinimiseApplication(HWND frame);
  static const char* FormClassName() { return "TessalForm"; }

  // The one window procedure of the form windows.
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // The procedure of the application's own window, which has no form.
  static LRESULT CALLBACK ApplicationProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  // TranslateMDISysAccel for the frame's workspace, the dialog keys (Tab,
  // access keys) for the active page, then the usual dispatch.
  void Dispatch(MSG& message);

  HINSTANCE instance_;
  DpiScale scale_ = DpiScale::System();
  HWND applicationWindow_ = nullptr;
};

}  // namespace toolkit::win32
