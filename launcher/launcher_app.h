// The launcher's application object: its start runs the launch sequence on
// the real system, and the program ends when the sequence is over.
#pragma once

#include "launcher/framework/win_app.h"
#include "launcher/launch/launch_sequence.h"

class CLauncherApp final : public framework::CWinApp, private launcher::SplashHandOver {
 public:
  // Runs the whole launch; always false, so no message loop follows.
  BOOL InitInstance() override;

 private:
  // The hand-over point after a successful start.
  void ShowSplash(HANDLE javaProcess) override;
};
