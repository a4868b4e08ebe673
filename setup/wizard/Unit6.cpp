#include "setup/wizard/Unit6.h"

#include <vector>

#include "setup/forms/forms.h"
#include "setup/wizard/Unit1.h"

#ifndef _WIN32
constexpr DWORD CREATE_NEW_CONSOLE = 0x00000010;
#endif

namespace {

// The system's Notepad by its full path, "" when the system folder cannot be
// had whole. Never the bare name: that is looked for first in the setup
// program's folder, which anyone may have put a notepad.exe into, and the
// setup program runs as administrator.
std::string SystemNotepad(platform::Process& process) {
  char system[MAX_PATH] = {};
  const UINT length = process.GetSystemDirectoryA(system, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return std::string();
  return std::string(system, length) + "\\notepad.exe";
}

}  // namespace

TCompletedInstallView::TCompletedInstallView(toolkit::Application& app, TMainView* owner)
    : Form(app, owner, forms::CompletedInstallView()), FMainView(owner) {
  Bind(btnOK, "btnOK");
  Bind(Label1, "Label1");
  Wire("btnOKClick", &TCompletedInstallView::btnOKClick);
  Wire("OnClose", &TCompletedInstallView::OnClose);
}

void TCompletedInstallView::btnOKClick(toolkit::Object&) {
  SetupPorts& ports = FMainView->Ports();
  const std::string readme = FMainView->FInstallFolder + "\\readme.txt";
  DWORD attributes = ports.files.GetFileAttributesA(readme.c_str());
  const std::string notepad = SystemNotepad(ports.process);
  if (!notepad.empty() && attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    std::string commandLine = "\"" + notepad + "\" \"" + readme + "\"";
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');
    // Notepad opens with the window state the setup program was started with.
    STARTUPINFOA startup = {};
    ports.process.GetStartupInfoA(&startup);
    PROCESS_INFORMATION started = {};
    if (ports.process.CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr,
                                     nullptr, &startup, &started)) {
      // Notepad runs on by itself; its handles are not needed here.
      ports.process.CloseHandle(started.hThread);
      ports.process.CloseHandle(started.hProcess);
    }
  }
  App().Terminate();
}

void TCompletedInstallView::OnClose(toolkit::Object&, toolkit::CloseAction& action) {
  action = toolkit::CloseAction::Free;
}
