// The completion page: its OK opens the installed read-me in Notepad and
// ends the setup program.
#pragma once

#include "toolkit/form.h"

class TMainView;

class TCompletedInstallView : public toolkit::Form {
 public:
  // owner is null only for the unused instance made at program start.
  TCompletedInstallView(toolkit::Application& app, TMainView* owner);

  toolkit::Button* btnOK = nullptr;
  toolkit::Label* Label1 = nullptr;
  TMainView* FMainView;

 private:
  void btnOKClick(toolkit::Object& sender);
  void OnClose(toolkit::Object& sender, toolkit::CloseAction& action);
};
