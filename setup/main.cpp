// The setup program's entry. With /SILENT: the unattended install, without
// any window (not even the toolkit's application window). Otherwise the
// application object, the main window, the start-up pages (closed unused
// when the main window first shows), and the event loop; the exit code is 0.
#include <windows.h>

#include <optional>
#include <string>

#include "platform/program_name.h"
#include "platform/win32/win32_append_file.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_dll_search.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_folder_browser.h"
#include "platform/win32/win32_process.h"
#include "platform/win32/win32_process_exit.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell_links.h"
#include "setup/engine/Unit7.h"
#include "setup/engine/setup_command_line.h"
#include "setup/engine/silent_install.h"
#include "setup/wizard/Unit1.h"
#include "setup/wizard/Unit3.h"
#include "setup/wizard/Unit4.h"
#include "setup/wizard/Unit5.h"
#include "setup/wizard/Unit6.h"
#include "toolkit/application.h"
#include "toolkit/win32/win32_backend.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // First of all, before anything loads a DLL by name: nothing placed
  // beside the program or in its current directory may be loaded.
  platform::Win32DllSearch dllSearch;
  platform::NarrowDllSearch(dllSearch);
  platform::Win32Registry registry;
  platform::Win32FileSystem files;
  platform::Win32ShellLinks links;
  platform::Win32Process process;
  platform::Win32ProcessExit exit;
  platform::Win32FolderBrowser browser;
  platform::Win32Clock clock;
  SetupPorts ports{registry, files, links, process, exit, browser};
  ports.clock = &clock;

  // The whole line, read here: the runtime's own split loses the folder of
  // an unquoted program path with double-byte characters in it, and an
  // unquoted one with a blank.
  const std::string commandLine = ::GetCommandLineA();
  const engine::SetupCommandLine line = engine::ParseSetupCommandLine(
      platform::ArgumentsAfterProgramName(commandLine, platform::OwnProgramPath(files).value_or("")));
  platform::Win32AppendFile appender;
  std::optional<engine::FileLog> log;
  if (line.logFile) log.emplace(appender, *line.logFile);
  if (line.silent) {
    engine::ShellPorts shell{registry, files, links};
    return engine::RunSilentSetup(shell, line, commandLine, log ? &*log : nullptr, &clock);
  }
  // The wizard ignores a line it cannot read, as it always has.
  if (line.valid && log) {
    ports.log = &*log;
    log->Line("Setup started: " + commandLine);
  }

  toolkit::win32::Win32Backend backend(instance);
  toolkit::Application Application(backend);
  try {
    Application.Initialize();
    Application.SetTitle("setup");
    // Kept as the start-up globals are, and never read again.
    TMainView& MainView = Application.CreateForm<TMainView>(ports);
    TAddChainView& AddChainView = Application.CreateForm<TAddChainView>(nullptr);
    TSelectInstallFolderView& SelectInstallFolderView =
        Application.CreateForm<TSelectInstallFolderView>(nullptr, ports);
    TCreateShortcutView& CreateShortcutView = Application.CreateForm<TCreateShortcutView>(nullptr);
    TCompletedInstallView& CompletedInstallView = Application.CreateForm<TCompletedInstallView>(nullptr);
    TInstallProgressView& InstallProgressView = Application.CreateForm<TInstallProgressView>(nullptr);
    (void)MainView, (void)AddChainView, (void)SelectInstallFolderView, (void)CreateShortcutView,
        (void)CompletedInstallView, (void)InstallProgressView;
    Application.Run();
  } catch (const Exception& error) {
    Application.ShowException(error);
  }
  if (ports.log) ports.log->Line("Exit code: 0");
  return 0;
}
