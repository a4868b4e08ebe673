#include "launcher/launcher_app.h"

#include <cstdlib>
#include <memory>

#include "launcher/splash_dlg.h"

#include "platform/win32/win32_environment.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_message_box.h"
#include "platform/win32/win32_process.h"
#include "platform/win32/win32_profile.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell_association.h"
#include "platform/win32/win32_string_resource.h"

BOOL CLauncherApp::InitInstance() {
  platform::Win32FileSystem files;
  platform::Win32ShellAssociation shell;
  platform::Win32Registry registry;
  platform::Win32Environment environment;
  platform::Win32Profile profile;
  platform::Win32Process process;
  platform::Win32MessageBox messages;
  platform::Win32StringResource strings;
  launcher::LaunchPorts ports{files, shell, registry, environment, profile, process, messages, strings, m_hInstance};

  // The documents, split by the runtime library's standard rules; the
  // program name is not one of them.
  std::vector<std::string> documents;
  for (int i = 1; i < __argc; ++i) documents.emplace_back(__argv[i]);

  launcher::RunLaunchSequence(ports, documents, *this);
  return FALSE;
}

void CLauncherApp::ShowSplash(HANDLE javaProcess) {
  // The launcher ends after the splash and the Java process runs on, owned
  // by nobody: its handle is left open, as the splash waits on it.
  auto splash = std::make_unique<CSplashDlg>();
  splash->m_hProcess = javaProcess;
  m_pMainWnd = splash.get();
  splash->DoModal();  // how it ended makes no difference
  // The window's end cleared the pointer; a splash that never came up did not.
  if (m_pMainWnd == splash.get()) m_pMainWnd = nullptr;
}
