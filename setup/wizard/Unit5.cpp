#include "setup/wizard/Unit5.h"

#include "setup/forms/forms.h"
#include "setup/wizard/Unit1.h"
#include "setup/wizard/setup_texts.h"

TCreateShortcutView::TCreateShortcutView(toolkit::Application& app, TMainView* owner)
    : Form(app, owner, forms::CreateShortcutView()), FMainView(owner) {
  Bind(btnFinish, "btnFinish");
  Bind(chkStartMenu, "chkStartMenu");
  Bind(chkDesktop, "chkDesktop");
  Bind(btnBack, "btnBack");
  Bind(btnCancel, "btnCancel");
  Wire("btnFinishClick", &TCreateShortcutView::btnFinishClick);
  Wire("btnBackClick", &TCreateShortcutView::btnBackClick);
  Wire("btnCancelClick", &TCreateShortcutView::btnCancelClick);
  Wire("OnClose", &TCreateShortcutView::OnClose);
}

void TCreateShortcutView::LoadOptions(bool startMenu, bool desktop) {
  chkStartMenu->SetChecked(startMenu);
  chkDesktop->SetChecked(desktop);
}

// The controller shows the neighbouring page before this one closes.
void TCreateShortcutView::btnFinishClick(toolkit::Object&) {
  FMainView->SetShortcutOptions(true, chkStartMenu->Checked(), chkDesktop->Checked());
  Close();
}

void TCreateShortcutView::btnBackClick(toolkit::Object&) {
  FMainView->SetShortcutOptions(false, chkStartMenu->Checked(), chkDesktop->Checked());
  Close();
}

void TCreateShortcutView::btnCancelClick(toolkit::Object&) {
  if (ShowMessageBox(kQuitQuestion, kSetupCaption, MB_OKCANCEL) == IDOK) App().Terminate();
}

void TCreateShortcutView::OnClose(toolkit::Object&, toolkit::CloseAction& action) {
  action = toolkit::CloseAction::Free;
}
