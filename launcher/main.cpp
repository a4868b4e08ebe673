// The launcher's entry: the one application object and the program start.
#include <windows.h>

#include "launcher/framework/win_app.h"
#include "launcher/launcher_app.h"

namespace {
CLauncherApp theApp;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int cmdShow) {
  return framework::RunApplication(instance, cmdShow);
}
