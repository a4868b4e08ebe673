// The shortcut page: whether to add Start-menu and desktop shortcuts; its
// start button begins the installation.
#pragma once

#include "toolkit/form.h"

class TMainView;

class TCreateShortcutView : public toolkit::Form {
 public:
  // owner is null only for the unused instance made at program start.
  TCreateShortcutView(toolkit::Application& app, TMainView* owner);

  void LoadOptions(bool startMenu, bool desktop);

  toolkit::Button* btnFinish = nullptr;
  toolkit::CheckBox* chkStartMenu = nullptr;
  toolkit::CheckBox* chkDesktop = nullptr;
  toolkit::Button* btnBack = nullptr;
  toolkit::Button* btnCancel = nullptr;
  TMainView* FMainView;

 private:
  void btnFinishClick(toolkit::Object& sender);
  void btnBackClick(toolkit::Object& sender);
  void btnCancelClick(toolkit::Object& sender);
  void OnClose(toolkit::Object& sender, toolkit::CloseAction& action);
};
