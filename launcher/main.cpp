// The launcher's entry: the one application object and the program start.
#include <windows.h>

#include "launcher/framework/win_app.h"
#include "launcher/launcher_app.h"
#include "platform/win32/win32_dll_search.h"

namespace {
CLauncherApp theApp;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int cmdShow) {
  // First of all, before anything loads a DLL by name: nothing placed
  // beside the program or in its current directory may be loaded.
  platform::Win32DllSearch dllSearch;
  platform::NarrowDllSearch(dllSearch);
  return framework::RunApplication(instance, cmdShow);
}
