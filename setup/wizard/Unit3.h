// The SendTo/XML options page: whether to add the product to the Send To
// menu and whether to open XML files with it.
#pragma once

#include "toolkit/form.h"

class TMainView;

class TAddChainView : public toolkit::Form {
 public:
  // owner is null only for the unused instance made at program start.
  TAddChainView(toolkit::Application& app, TMainView* owner);

  void LoadOptions(bool addSend, bool chainXML);

  toolkit::Button* btnCancel = nullptr;
  toolkit::Button* btnNext = nullptr;
  toolkit::Button* btnBack = nullptr;
  toolkit::CheckBox* chkAddSend = nullptr;
  toolkit::CheckBox* chkChainXML = nullptr;
  TMainView* FMainView;

 private:
  void btnNextClick(toolkit::Object& sender);
  void btnBackClick(toolkit::Object& sender);
  void btnCancelClick(toolkit::Object& sender);
  void OnClose(toolkit::Object& sender, toolkit::CloseAction& action);
};
