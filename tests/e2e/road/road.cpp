#include "tests/e2e/road/road.h"

#include <windows.h>

namespace road {

namespace {

const std::string kFrame = "Tessal　インストーラー";
const std::string kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const std::string kJavaKey = "SOFTWARE\\JavaSoft\\Java Runtime Environment";

HWND Button(HWND page, const std::string& caption) { return e2e::FindChild(page, caption, "Button"); }

struct ClassSearch {
  const char* name;
  HWND found;
};

BOOL CALLBACK FirstOfClass(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<ClassSearch*>(param);
  if (e2e::ClassName(window) != search->name) return TRUE;
  search->found = window;
  return FALSE;
}

HWND FirstChildOfClass(HWND parent, const char* name) {
  ClassSearch search{name, nullptr};
  ::EnumChildWindows(parent, FirstOfClass, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

struct TitleSearch {
  std::string prefix;
  HWND found;
};

BOOL CALLBACK TitleStarts(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<TitleSearch*>(param);
  char title[256] = {};
  ::GetWindowTextA(window, title, sizeof title);
  if (::IsWindowVisible(window) && std::string(title).rfind(search->prefix, 0) == 0) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND WaitForTitlePrefix(const std::string& prefix, DWORD timeoutMs) {
  for (DWORD waited = 0; waited <= timeoutMs; waited += 50) {
    TitleSearch search{prefix, nullptr};
    ::EnumWindows(TitleStarts, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    ::Sleep(50);
  }
  return nullptr;
}

Installed Fail(Installed installed, const std::string& why) {
  installed.failure = why;
  return installed;
}

}  // namespace

bool InstallJavaStandIn(const std::string& standInExe) {
  if (!e2e::MakeFolders(kJavaHome + "\\bin") || !e2e::MakeFolders(kJavaHome + "\\lib\\ext")) return false;
  if (!::CopyFileA(standInExe.c_str(), (kJavaHome + "\\bin\\javaw.exe").c_str(), FALSE)) return false;
  e2e::DeleteRegTree(HKEY_LOCAL_MACHINE, kJavaKey);
  e2e::SetRegString(HKEY_LOCAL_MACHINE, kJavaKey, "CurrentVersion", "1.8");
  e2e::SetRegString(HKEY_LOCAL_MACHINE, kJavaKey + "\\1.8", "JavaHome", kJavaHome);
  e2e::MakeFolders("C:\\road");
  ::SetEnvironmentVariableA("TESSAL_STAND_IN_RECORD", kRecord.c_str());
  ::SetEnvironmentVariableA("TESSAL_STAND_IN_WINDOW", "1");
  return true;
}

Installed InstallFromMedium(const std::string& mediumFolder, const Step& step) {
  Installed installed;
  e2e::Started setup = e2e::Start("\"" + mediumFolder + "\\Setup.exe\"", mediumFolder);
  if (!setup.ok()) return Fail(installed, "Setup.exe did not start");
  HWND frame = e2e::WaitForTopLevel(kFrame);
  if (!frame) return Fail(installed, "no main window");

  HWND page = e2e::WaitForChild(frame, "フォルダの選択");
  if (!page) return Fail(installed, "no folder page");
  installed.installFolder = e2e::WindowText(FirstChildOfClass(page, "Edit"));
  step("1-folder", "The folder page proposes " + installed.installFolder);
  e2e::Click(Button(page, "次へ >"));
  // Either the question to create the folder or, for a folder that is there,
  // the next page; on a busy machine either may take a while.
  HWND chain = nullptr;
  for (DWORD waited = 0; !chain && waited < 60000; waited += 500) {
    e2e::MessageBoxSeen create = e2e::WaitForMessageBox(250);
    if (create.window) {
      step("2-create-folder", "The folder does not exist yet: create it? OK");
      e2e::Answer(create, IDOK);
    }
    chain = e2e::WaitForChild(frame, "ＸＭＬファイルの関連付け", 250);
  }
  if (!chain) return Fail(installed, "no SendTo/XML page");
  e2e::Click(Button(chain, "ファイルを送るに追加する"));
  e2e::Click(Button(chain, "XMLファイルに関連付ける"));
  ::Sleep(300);
  step("3-options", "Send To and the XML association, both on");
  e2e::Click(Button(chain, "次へ >"));

  HWND shortcuts = e2e::WaitForChild(frame, "ショートカットの作成");
  if (!shortcuts) return Fail(installed, "no shortcut page");
  e2e::Click(Button(shortcuts, "スタートメニューにショートカットを追加する"));
  e2e::Click(Button(shortcuts, "デスクトップにショートカットを追加する"));
  ::Sleep(300);
  step("4-shortcuts", "Start menu and desktop shortcuts, both on; then Start");
  e2e::Click(Button(shortcuts, "開始"));

  HWND completed = e2e::WaitForChild(frame, "インストール完了", 120000);
  if (!completed) return Fail(installed, "no completion page");
  step("5-completed", "The installation has completed");
  e2e::Click(Button(completed, "OK"));
  installed.exitCode = e2e::WaitForExit(setup, 15000);
  HWND notepad = WaitForTitlePrefix("readme.txt", 15000);
  if (notepad) {
    step("6-readme", "OK opened the installed read-me in Notepad");
    ::PostMessageA(notepad, WM_CLOSE, 0, 0);
  }
  ::CloseHandle(setup.process);

  std::string programs = e2e::RegString(HKEY_CURRENT_USER, kShellFolders, "Programs");
  std::string desktop = e2e::RegString(HKEY_CURRENT_USER, kShellFolders, "Desktop");
  std::string sendTo = e2e::RegString(HKEY_CURRENT_USER, kShellFolders, "SendTo");
  installed.links = {programs + "\\Tessal\\Tessal.lnk", desktop + "\\Tessal.lnk", sendTo + "\\Tessal.lnk"};
  installed.ok = installed.exitCode == 0 && notepad != nullptr;
  if (!installed.ok) installed.failure = notepad ? "setup did not end with 0" : "Notepad did not show the read-me";
  return installed;
}

Launch StartAsTheShellWould(const std::string& commandLine, const std::string& currentDirectory, const Step& step,
                            const std::string& name) {
  Launch launch;
  ::DeleteFileA(kRecord.c_str());
  // A window of an earlier start would close the splash at once.
  for (HWND old; (old = WaitForTitlePrefix("Tessal - stand-in", 0));) {
    ::PostMessageA(old, WM_CLOSE, 0, 0);
    ::Sleep(200);
  }
  e2e::Started launcher = e2e::Start(commandLine, currentDirectory);
  if (!launcher.ok()) {
    launch.failure = "the launcher did not start";
    return launch;
  }
  HWND application = WaitForTitlePrefix("Tessal - stand-in", 20000);
  DWORD appeared = ::GetTickCount();
  if (application) step(name, "The application's window; the splash closes at its next tick");
  launch.launcherExitCode = e2e::WaitForExit(launcher, 15000);
  launch.splashToCloseMs = ::GetTickCount() - appeared;
  ::CloseHandle(launcher.process);
  std::string record = e2e::ReadFile(kRecord);
  auto split = record.find('\n');
  if (!application || split == std::string::npos) {
    launch.failure = application ? "the runtime recorded nothing" : "no application window";
    return launch;
  }
  launch.commandLine = record.substr(0, split);
  launch.currentDirectory = record.substr(split + 1);
  launch.ok = launch.launcherExitCode != -1;
  if (!launch.ok) launch.failure = "the launcher did not end after the application's window came up";
  ::PostMessageA(application, WM_CLOSE, 0, 0);
  return launch;
}

std::string XmlOpenCommandFor(const std::string& document) {
  std::string command = e2e::RegString(HKEY_CLASSES_ROOT, "xmlfile\\shell\\open\\command", "");
  auto at = command.find("%1");
  if (at != std::string::npos) command.replace(at, 2, document);
  return command;
}

std::string DescribeInstallation(const Installed& installed) {
  std::string text = "Install folder: " + installed.installFolder + "\r\n";
  for (const char* name : {"tessal.exe", "tessal.jar", "boot.ini", "readme.txt", "Uninstall.exe", "jh.jar"}) {
    std::string path = installed.installFolder + "\\" + name;
    if (e2e::FileExists(path)) text += "  " + path + "\r\n";
  }
  std::string library = kJavaHome + "\\lib\\ext\\jh.jar";
  if (e2e::FileExists(library)) text += "  " + library + "\r\n";
  text += "Shortcuts:\r\n";
  for (const std::string& path : installed.links) {
    Shortcut shortcut = ReadShortcut(path);
    text +=
        "  " + path + "\r\n    target " + shortcut.target + ", working directory " + shortcut.workingDirectory + "\r\n";
  }
  const std::string uninstall = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tessal";
  text += "Registry:\r\n";
  text += "  HKCR\\xmlfile\\shell\\open\\command = " +
          e2e::RegString(HKEY_CLASSES_ROOT, "xmlfile\\shell\\open\\command", "") + "\r\n";
  text += std::string("  HKCR\\xmlfile\\shell\\open\\ddeexec ") +
          (e2e::RegKeyExists(HKEY_CLASSES_ROOT, "xmlfile\\shell\\open\\ddeexec") ? "present" : "absent") + "\r\n";
  text += "  HKLM\\" + uninstall + " DisplayName = " + e2e::RegString(HKEY_LOCAL_MACHINE, uninstall, "DisplayName") +
          "\r\n";
  text += "  HKLM\\" + uninstall +
          " UninstallString = " + e2e::RegString(HKEY_LOCAL_MACHINE, uninstall, "UninstallString") + "\r\n";
  return text;
}

}  // namespace road
