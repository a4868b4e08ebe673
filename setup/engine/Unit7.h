// The install-run page: one second after it appears it copies the product
// files with progress display, ties the product into the shell, and hands
// over to the completion page. Before the first copy it waits, on the
// user's word, while a running Tessal holds a file to be replaced. A copy
// failure, any error, or a confirmed Abort (or Cancel to that wait) ends
// the program at once with exit code 0; nothing is undone.
#pragma once

#include <string>

#include "setup/engine/install_log.h"
#include "toolkit/form.h"

class TMainView;

class TInstallProgressView : public toolkit::Form {
 public:
  // owner is null only for the unused instance made at program start,
  // which is closed before its timer ever fires.
  TInstallProgressView(toolkit::Application& app, TMainView* owner);

  // Each sets its line, lets pending messages through, and returns true.
  bool SetProcessingText(const std::string& text);
  bool SetDetailsText(const std::string& text);

  // The shared install run (install_engine.h), shown on this page.
  void RunInstall();
  bool CopyProductFile(const std::string& source, const std::string& destination);

  // Shell integration for the controller's install folder.
  void CreateShortcuts(bool startMenu, bool desktop, bool sendTo);
  HRESULT CreateShellLink(const std::string& target, const std::string& linkPath, const std::string& workingFolder);
  void AssociateXmlFiles();
  void RegisterUninstall(const std::string& installFolder);

  toolkit::Button* btnCancel = nullptr;
  toolkit::Label* lblProcessing = nullptr;
  toolkit::Label* lblDetails = nullptr;
  toolkit::Timer* Timer1 = nullptr;
  TMainView* FMainView;

 private:
  void Timer1Timer(toolkit::Object& sender);
  void btnCancelClick(toolkit::Object& sender);
  void OnClose(toolkit::Object& sender, toolkit::CloseAction& action);
  engine::InstallLog& Log() const;
  [[noreturn]] void EndProgram();
};
