// Uninstall.exe: the real ports around the uninstaller's run.
#include <windows.h>
// After windows.h, whose types it uses.
#include <commctrl.h>

#include "platform/win32/win32_append_file.h"
#include "platform/win32/win32_dll_search.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_handover.h"
#include "platform/win32/win32_message_box.h"
#include "platform/win32/win32_process.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell_link_reader.h"
#include "platform/win32/win32_system_folders.h"
#include "platform/win32/win32_window_search.h"
#include "uninstall/uninstaller.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // First of all, before anything loads a DLL by name: nothing placed
  // beside the program or in its current directory may be loaded.
  platform::Win32DllSearch dllSearch;
  platform::NarrowDllSearch(dllSearch);
  // The manifest asks for common controls 6, which draw the message boxes'
  // buttons; Windows wants them loaded before the first window.
  InitCommonControls();
  platform::Win32Registry registry;
  platform::Win32FileSystem files;
  platform::Win32ShellLinkReader links;
  platform::Win32MessageBox messages;
  platform::Win32Process process;
  platform::Win32Handover handover;
  platform::Win32SystemFolders system;
  platform::Win32AppendFile log;
  platform::Win32WindowSearch windows;
  uninstall::UninstallPorts ports{registry, files, links, messages, process, handover, system, log, windows};
  // The whole command line: the runtime's split of it breaks an unquoted
  // double-byte program path (the arguments passed to WinMain among them).
  const char* commandLine = ::GetCommandLineA();
  try {
    return uninstall::RunUninstaller(ports, commandLine ? commandLine : "");
  } catch (...) {
    // Only running out of memory can throw here; nothing was reported as done.
    return 1;
  }
}
