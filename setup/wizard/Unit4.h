// The install-folder page: proposes a folder under Program Files, lets the
// user type or browse for one, offers to create a missing folder, checks
// that its disk has room for the product files, and hands the accepted
// folder to the controller.
#pragma once

#include <string>

#include "setup/wizard/setup_ports.h"
#include "toolkit/form.h"

class TMainView;

class TSelectInstallFolderView : public toolkit::Form {
 public:
  // owner is null only for the unused instance made at program start.
  TSelectInstallFolderView(toolkit::Application& app, TMainView* owner, SetupPorts& ports);

  void SetFolder(const std::string& folder);
  // Enables btnNext exactly when the trimmed text is not empty.
  bool UpdateNextButton();
  // The Program Files folder with a trailing backslash, or "".
  std::string GetProgramFilesDir();

  toolkit::Edit* txtInstallFolder = nullptr;
  toolkit::Button* btnFolderDialog = nullptr;
  toolkit::Button* btnNext = nullptr;
  toolkit::Button* btnCancel = nullptr;
  toolkit::Label* Label1 = nullptr;
  TMainView* FMainView;

 private:
  void OnChange(toolkit::Object& sender);
  void btnNextClick(toolkit::Object& sender);
  void btnCancelClick(toolkit::Object& sender);
  void btnFolderDialogClick(toolkit::Object& sender);
  void OnClose(toolkit::Object& sender, toolkit::CloseAction& action);

  // True when the folder exists or was created on the user's request, and
  // its disk has room for the product files.
  bool EnsureFolder(const std::string& folder);
  // False, after saying how much is needed and free, when the disk is short.
  bool EnoughFreeSpace(const std::string& folder);

  SetupPorts& ports_;
};
