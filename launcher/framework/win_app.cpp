#include "launcher/framework/win_app.h"

#include <commctrl.h>

namespace framework {

namespace {
CWinApp* g_application = nullptr;  // the one static application object
}

CWinApp::CWinApp() { g_application = this; }

CWinApp::~CWinApp() {
  if (g_application == this) g_application = nullptr;
}

CWinApp* CWinApp::Current() { return g_application; }

int CWinApp::Run() {
  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
  return ExitInstance();
}

HICON CWinApp::LoadIcon(UINT id) const { return ::LoadIconA(m_hInstance, MAKEINTRESOURCEA(id)); }

int RunApplication(HINSTANCE instance, int cmdShow) {
  CWinApp* app = CWinApp::Current();
  if (!app) return 1;
  app->m_hInstance = instance;
  app->m_nCmdShow = cmdShow;
  // The manifest asks for common controls 6; Windows wants them loaded
  // before the program's first window.
  ::InitCommonControls();
  if (!app->InitInstance()) return app->ExitInstance();
  return app->Run();
}

}  // namespace framework
