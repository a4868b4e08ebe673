// The setup program's main window, which is also the wizard controller: it
// holds the install options and the Java check result, runs the check when
// first shown, creates each page when it is needed and is the only place
// where a page hands over its result. It never keeps a page.
#pragma once

#include <memory>
#include <string>

#include "setup/wizard/java_check.h"
#include "setup/wizard/setup_ports.h"
#include "toolkit/bitmap.h"
#include "toolkit/form.h"

class TMainView : public toolkit::Form {
 public:
  TMainView(toolkit::Application& app, SetupPorts& ports);
  ~TMainView() override;

  // Every message of the workspace (the MDI client) once it is subclassed:
  // the picture is tiled on erase, everything else goes to FOldClientProc.
  virtual toolkit::LResult ClientWndProc(HWND window, UINT message, toolkit::WParam wParam, toolkit::LParam lParam);

  void ShowSelectInstallFolder();
  void SetInstallFolder(const std::string& folder);
  void ShowAddChain();
  void SetChainOptions(bool forward, bool addSend, bool chainXML);
  void ShowCreateShortcut();
  void SetShortcutOptions(bool forward, bool startMenu, bool desktop);
  void ShowInstallProgress();
  void ShowCompletedInstall();

  SetupPorts& Ports() const { return ports_; }

  toolkit::WindowProcedure FOldClientProc = nullptr;
  std::unique_ptr<toolkit::Bitmap> FBackground;
  TJavaCheckResult FJavaCheck;
  std::string FInstallFolder;
  bool FAddSend = false;
  bool FChainXML = false;
  bool FStartMenu = false;
  bool FDesktop = false;

 private:
  void OnCreate(toolkit::Object& sender);
  void OnShow(toolkit::Object& sender);
  void OnClose(toolkit::Object& sender, toolkit::CloseAction& action);
  void OnDestroy(toolkit::Object& sender);

  SetupPorts& ports_;
};
