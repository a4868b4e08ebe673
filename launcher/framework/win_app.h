// The application object: one per program, reached through Current(). The
// program's entry runs InitInstance; when it returns false the program ends
// at once, otherwise a message loop runs until the quit message.
#pragma once

#include <windows.h>

namespace framework {

class CWnd;

class CWinApp {
 public:
  CWinApp();
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  static CWinApp* Current();

  virtual BOOL InitInstance() { return FALSE; }
  virtual int Run();
  virtual int ExitInstance() { return 0; }

  HICON LoadIcon(UINT id) const;

  HINSTANCE m_hInstance = nullptr;
  int m_nCmdShow = SW_SHOWNORMAL;
  // The window that stands for the program; cleared when that window goes.
  CWnd* m_pMainWnd = nullptr;
};

// The program's entry, called from WinMain: runs the application object.
int RunApplication(HINSTANCE instance, int cmdShow);

}  // namespace framework
