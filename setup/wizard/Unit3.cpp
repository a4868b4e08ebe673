#include "setup/wizard/Unit3.h"

#include "setup/forms/forms.h"
#include "setup/wizard/Unit1.h"
#include "setup/wizard/setup_texts.h"

TAddChainView::TAddChainView(toolkit::Application& app, TMainView* owner)
    : Form(app, owner, forms::AddChainView()), FMainView(owner) {
  Bind(btnCancel, "btnCancel");
  Bind(btnNext, "btnNext");
  Bind(btnBack, "btnBack");
  Bind(chkAddSend, "chkAddSend");
  Bind(chkChainXML, "chkChainXML");
  Wire("btnNextClick", &TAddChainView::btnNextClick);
  Wire("btnBackClick", &TAddChainView::btnBackClick);
  Wire("btnCancelClick", &TAddChainView::btnCancelClick);
  Wire("OnClose", &TAddChainView::OnClose);
}

void TAddChainView::LoadOptions(bool addSend, bool chainXML) {
  chkAddSend->SetChecked(addSend);
  chkChainXML->SetChecked(chainXML);
}

// The controller shows the neighbouring page before this one closes.
void TAddChainView::btnNextClick(toolkit::Object&) {
  FMainView->SetChainOptions(true, chkAddSend->Checked(), chkChainXML->Checked());
  Close();
}

void TAddChainView::btnBackClick(toolkit::Object&) {
  FMainView->SetChainOptions(false, chkAddSend->Checked(), chkChainXML->Checked());
  Close();
}

void TAddChainView::btnCancelClick(toolkit::Object&) {
  if (ShowMessageBox(kQuitQuestion, kSetupCaption, MB_OKCANCEL) == IDOK) App().Terminate();
}

void TAddChainView::OnClose(toolkit::Object&, toolkit::CloseAction& action) { action = toolkit::CloseAction::Free; }
