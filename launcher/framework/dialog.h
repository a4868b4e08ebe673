// A dialog built from a dialog template of the program's resources and run
// modally: DoModal returns when the dialog's window is destroyed or
// EndDialog is called. Before WM_INITDIALOG the data exchange binds the
// controls; a dialog that is not moved during its initialisation is centred
// on the work area.
#pragma once

#include "launcher/framework/data_exchange.h"
#include "launcher/framework/wnd.h"

namespace framework {

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId, CWnd* parent = nullptr) : templateId_(templateId), parent_(parent) {}

  // The value given to EndDialog, or -1 when the window could not be made
  // or was destroyed without it.
  virtual INT_PTR DoModal();
  void EndDialog(int result);
  BOOL UpdateData(BOOL saveAndValidate = TRUE);

 protected:
  virtual BOOL OnInitDialog();  // runs the data exchange; true: default focus
  virtual void DoDataExchange(CDataExchange* exchange) { (void)exchange; }
  virtual void OnOK() { EndDialog(IDOK); }
  virtual void OnCancel() { EndDialog(IDCANCEL); }
  // Makes the dialog's window from its template while the creation hook
  // binds the first window of the thread that is not an input-method window.
  virtual HWND CreateDialogWindow(HINSTANCE instance, LPCDLGTEMPLATEA dialogTemplate, HWND parent);

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK CatchCreation(int code, WPARAM wParam, LPARAM lParam);

  UINT templateId_;
  CWnd* parent_;
  bool ended_ = false;
  INT_PTR result_ = -1;
};

}  // namespace framework
