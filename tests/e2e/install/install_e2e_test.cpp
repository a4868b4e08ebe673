// A whole installation with the real Setup.exe under Wine, checked from
// outside: files, attributes, shortcuts, registry, the completion page.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>

#include "tests/e2e/wizard/setup_session.h"
#include "tests/support/bytes.h"

namespace e2e {
namespace {

const std::string kMedium = "C:\\medium";
const std::string kInstall = "C:\\Program Files\\tessal";
const std::string kJavaHome = "C:\\Java\\jre1.8";
const std::string kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const std::string kUninstallKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tessal";
const char* const kProductFiles[] = {"tessal.jar", "tessal.exe", "boot.ini", "readme.txt", "Uninstall.exe", "jh.jar"};
const std::string kXmlCommandKey = "xmlfile\\shell\\open\\command";
const std::string kOldXmlCommand = "\"C:\\old\\viewer.exe\" \"%1\"";

// A REG_DWORD value, or nullopt when it is missing or of another type.
std::optional<DWORD> RegDword(HKEY root, const std::string& keyPath, const std::string& name) {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return std::nullopt;
  DWORD value = 0, size = sizeof value, type = 0;
  LONG rc = ::RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
  ::RegCloseKey(key);
  if (rc != ERROR_SUCCESS || type != REG_DWORD) return std::nullopt;
  return value;
}

// The values beside DisplayName and UninstallString, for an install folder.
void ExpectEntryValues(const std::string& folder, DWORD sizeKiB) {
  EXPECT_BYTES(RegString(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString"), folder + "\\Uninstall.exe");
  EXPECT_BYTES(RegString(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayIcon"), folder + "\\tessal.exe");
  EXPECT_BYTES(RegString(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayVersion"), "1.2.0.0");
  EXPECT_BYTES(RegString(HKEY_LOCAL_MACHINE, kUninstallKey, "InstallLocation"), folder);
  EXPECT_EQ(RegDword(HKEY_LOCAL_MACHINE, kUninstallKey, "EstimatedSize"), sizeKiB);
  EXPECT_EQ(RegDword(HKEY_LOCAL_MACHINE, kUninstallKey, "NoModify"), 1u);
  EXPECT_EQ(RegDword(HKEY_LOCAL_MACHINE, kUninstallKey, "NoRepair"), 1u);
  EXPECT_BYTES(RegString(HKEY_LOCAL_MACHINE, kUninstallKey, "QuietUninstallString"),
               "\"" + folder + "\\Uninstall.exe\" /SILENT");
}

// One run of Setup.exe from the medium, and every top-level window (shown
// or not) that its process owned at any moment while it ran.
struct WatchedRun {
  long exitCode = -1;
  std::vector<std::string> windows;  // "class: caption"
};

WatchedRun RunWatched(const std::string& arguments, DWORD timeoutMs, bool stopAtFirstWindow = false) {
  WatchedRun run;
  Started setup = Start("\"" + kMedium + "\\Setup.exe\" " + arguments, kMedium);
  if (!setup.ok()) return run;
  struct Visit {
    DWORD processId;
    std::vector<std::string>* seen;
    static BOOL CALLBACK Each(HWND window, LPARAM param) {
      auto* visit = reinterpret_cast<Visit*>(param);
      DWORD owner = 0;
      ::GetWindowThreadProcessId(window, &owner);
      if (owner != visit->processId) return TRUE;
      char caption[256] = {};
      ::GetWindowTextA(window, caption, sizeof caption);
      std::string entry = ClassName(window) + ": " + caption;
      if (std::find(visit->seen->begin(), visit->seen->end(), entry) == visit->seen->end())
        visit->seen->push_back(entry);
      return TRUE;
    }
  } visit{setup.id, &run.windows};
  // No sleep between looks: a window that lives for a moment is still seen.
  const DWORD start = ::GetTickCount();
  while (::WaitForSingleObject(setup.process, 0) == WAIT_TIMEOUT && ::GetTickCount() - start < timeoutMs &&
         !(stopAtFirstWindow && !run.windows.empty()))
    ::EnumWindows(Visit::Each, reinterpret_cast<LPARAM>(&visit));
  run.exitCode = WaitForExit(setup, 0);
  if (run.exitCode == -1) {
    Kill(setup);
    WaitForExit(setup, 5000);
  }
  ::CloseHandle(setup.process);
  return run;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

class InstallE2E : public ::testing::Test {
 protected:
  SetupSession setup;
  std::string programs, desktop, sendTo;

  void SetUp() override {
    RemoveTree(kInstall);
    RemoveTree(kMedium);
    MakeFolders(kMedium);
    ASSERT_TRUE(::CopyFileA(SetupExe().c_str(), (kMedium + "\\Setup.exe").c_str(), FALSE));
    for (const char* name : kProductFiles) ASSERT_TRUE(WriteFile(kMedium + "\\" + name, std::string("file ") + name));
    ::SetFileAttributesA((kMedium + "\\tessal.exe").c_str(), FILE_ATTRIBUTE_READONLY);  // as from a CD
    RegisterJava("1.8", kJavaHome, true);
    programs = RegString(HKEY_CURRENT_USER, kShellFolders, "Programs");
    desktop = RegString(HKEY_CURRENT_USER, kShellFolders, "Desktop");
    sendTo = RegString(HKEY_CURRENT_USER, kShellFolders, "SendTo");
    // Each case starts from a machine without our shortcuts.
    ::DeleteFileA((desktop + "\\Tessal.lnk").c_str());
    ::DeleteFileA((sendTo + "\\Tessal.lnk").c_str());
    RemoveTree(programs + "\\Tessal");
    DeleteRegTree(HKEY_LOCAL_MACHINE, kUninstallKey);
    SetRegString(HKEY_CLASSES_ROOT, "xmlfile\\shell\\open\\command", "", "\"C:\\old\\viewer.exe\" \"%1\"");
    SetRegString(HKEY_CLASSES_ROOT, "xmlfile\\shell\\open\\ddeexec", "", "[open(\"%1\")]");
    SetRegString(HKEY_CLASSES_ROOT, "xmlfile\\shell\\open\\ddeexec\\Application", "", "viewer");
  }
  void TearDown() override {
    setup.End(0);
    ::SetFileAttributesA((kMedium + "\\tessal.exe").c_str(), FILE_ATTRIBUTE_NORMAL);
  }

  HWND Button(HWND page, const std::string& caption) { return SetupSession::Control(page, caption, "Button"); }

  // From the start to the progress page, with the choices given.
  HWND WalkToStart(const std::string& folder, bool addSend, bool chainXml, bool startMenu, bool desktopLink,
                   bool javaQuestion = false) {
    if (!setup.Launch(kMedium, kMedium + "\\Setup.exe")) return nullptr;
    if (javaQuestion) Answer(WaitForMessageBox(), IDYES);
    HWND page = setup.WaitForPage(kFolderPage);
    if (!page) return nullptr;
    SetText(SetupSession::Control(page, "", "Edit"), folder);
    Click(Button(page, "次へ >"));
    if (!FolderExists(folder)) Answer(WaitForMessageBox(), IDOK);
    HWND chain = setup.WaitForPage(kChainPage);
    if (!chain) return nullptr;
    SetChecked(Button(chain, "ファイルを送るに追加する"), addSend);
    SetChecked(Button(chain, "XMLファイルに関連付ける"), chainXml);
    Click(Button(chain, "次へ >"));
    HWND shortcuts = setup.WaitForPage(kShortcutPage);
    if (!shortcuts) return nullptr;
    SetChecked(Button(shortcuts, "スタートメニューにショートカットを追加する"), startMenu);
    SetChecked(Button(shortcuts, "デスクトップにショートカットを追加する"), desktopLink);
    Click(Button(shortcuts, "開始"));
    return setup.WaitForPage(kProgressPage);
  }
};

TEST_F(InstallE2E, EveryOptionInstallsFilesShortcutsAssociationAndEntry) {
  // A notepad.exe that something left beside Setup.exe, which runs as
  // administrator: it records its start if it is ever started.
  ASSERT_TRUE(::CopyFileA(WindowsPath(PLANTED_PROGRAM).c_str(), (kMedium + "\\notepad.exe").c_str(), FALSE));
  const std::string plantedRecord = kMedium + "\\planted-notepad-started.txt";
  ::SetEnvironmentVariableA("TESSAL_STAND_IN_RECORD", plantedRecord.c_str());
  ASSERT_NE(WalkToStart(kInstall, true, true, true, true), nullptr);
  HWND completed = setup.WaitForPage(kCompletedPage, 60000);
  ASSERT_NE(completed, nullptr);
  EXPECT_TRUE(Screenshot("install_completed_page"));

  for (const char* name : {"tessal.jar", "tessal.exe", "boot.ini", "readme.txt", "Uninstall.exe"}) {
    std::string path = kInstall + "\\" + name;
    EXPECT_EQ(ReadFile(path), std::string("file ") + name) << path;
    EXPECT_EQ(Attributes(path) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM), 0u)
        << path << " ends with normal attributes";
  }
  EXPECT_EQ(ReadFile(kJavaHome + "\\lib\\ext\\jh.jar"), "file jh.jar");
  EXPECT_FALSE(FileExists(kInstall + "\\jh.jar"));

  const std::string links[] = {programs + "\\Tessal\\Tessal.lnk", desktop + "\\Tessal.lnk", sendTo + "\\Tessal.lnk"};
  const char* copies[] = {"programs.lnk", "desktop.lnk", "sendto.lnk"};
  std::string artifacts = WindowsPath(Environment("TESSAL_ARTIFACTS"));
  for (const char* copy : copies) ::DeleteFileA((artifacts + "\\" + copy).c_str());
  for (int i = 0; i < 3; ++i) {
    Shortcut link = ReadShortcut(links[i]);
    EXPECT_BYTES(link.target, kInstall + "\\tessal.exe") << links[i];
    EXPECT_BYTES(link.workingDirectory, kInstall) << links[i];
    if (!Environment("TESSAL_ARTIFACTS").empty())
      ::CopyFileA(links[i].c_str(), (artifacts + "\\" + copies[i]).c_str(), FALSE);
  }

  EXPECT_BYTES(RegString(HKEY_CLASSES_ROOT, "xmlfile\\shell\\open\\command", ""),
               "\"C:\\Program Files\\tessal\\tessal.exe\" \"%1\"");
  EXPECT_FALSE(RegKeyExists(HKEY_CLASSES_ROOT, "xmlfile\\shell\\open\\ddeexec"));
  EXPECT_BYTES(RegString(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName"), "Tessal");
  EXPECT_BYTES(RegString(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString"),
               "C:\\Program Files\\tessal\\Uninstall.exe");
  ExpectEntryValues(kInstall, 1);  // the six files hold 87 bytes

  // OK opens the read-me in Notepad and ends the setup program with 0.
  Click(Button(completed, "OK"));
  EXPECT_EQ(setup.End(), 0);
  HWND notepad = nullptr;
  for (int waited = 0; !notepad && waited < 15000; waited += 100) {
    struct Find {
      static BOOL CALLBACK Visit(HWND window, LPARAM param) {
        char title[256] = {};
        ::GetWindowTextA(window, title, sizeof title);
        if (::IsWindowVisible(window) && std::string(title).find("readme.txt") != std::string::npos) {
          *reinterpret_cast<HWND*>(param) = window;
          return FALSE;
        }
        return TRUE;
      }
    };
    ::EnumWindows(Find::Visit, reinterpret_cast<LPARAM>(&notepad));
    if (!notepad) ::Sleep(100);
  }
  ::SetEnvironmentVariableA("TESSAL_STAND_IN_RECORD", nullptr);
  ASSERT_NE(notepad, nullptr) << "the system's Notepad shows the read-me";
  EXPECT_FALSE(FileExists(plantedRecord)) << "the planted notepad.exe ran: " << ReadFile(plantedRecord);
  EXPECT_TRUE(Screenshot("install_notepad_readme"));
  ::PostMessageA(notepad, WM_CLOSE, 0, 0);
}

TEST_F(InstallE2E, AbortDuringTheCopyLeavesNoRegistryChangeAndNoShortcut) {
  // A large archive keeps the copy stage on the screen. The page answers
  // the look for its stage line only between two copies, so the launcher
  // that follows is large too: the click then always meets a copy to wait
  // for, however slowly this side runs.
  std::string big(150u << 20, 'J');
  ASSERT_TRUE(WriteFile(kMedium + "\\tessal.jar", big));
  ::SetFileAttributesA((kMedium + "\\tessal.exe").c_str(), FILE_ATTRIBUTE_NORMAL);
  ASSERT_TRUE(WriteFile(kMedium + "\\tessal.exe", big));
  big.clear();
  big.shrink_to_fit();
  std::string folder = "C:\\abort_test\\tessal";
  HWND progress = WalkToStart(folder, true, true, true, true);
  ASSERT_NE(progress, nullptr);
  HWND stage = nullptr;
  for (int waited = 0; waited < 20000; waited += 20) {
    stage = FindChild(progress, "ファイルのコピー中...", "Static");
    if (stage) break;
    ::Sleep(20);
  }
  ASSERT_NE(stage, nullptr) << "the copy stage is shown";
  // The click is handled at the run's next pass of message processing.
  Click(Button(progress, "中止"));
  MessageBoxSeen question = WaitForMessageBox();
  EXPECT_BYTES(question.text, "Tessalのインストールを中止しますか？");
  EXPECT_EQ(question.buttons, (std::vector<int>{IDOK, IDCANCEL}));
  // The question moved aside, so that the page's stage and detail lines show.
  ::SetWindowPos(question.window, nullptr, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(Screenshot("install_progress_copying"));
  Answer(question, IDOK);
  EXPECT_EQ(setup.End(30000), 0);
  EXPECT_FALSE(RegKeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
  EXPECT_BYTES(RegString(HKEY_CLASSES_ROOT, "xmlfile\\shell\\open\\command", ""), "\"C:\\old\\viewer.exe\" \"%1\"");
  EXPECT_TRUE(RegKeyExists(HKEY_CLASSES_ROOT, "xmlfile\\shell\\open\\ddeexec"));
  EXPECT_FALSE(FileExists(desktop + "\\Tessal.lnk"));
  EXPECT_FALSE(FileExists(sendTo + "\\Tessal.lnk"));
  EXPECT_FALSE(FileExists(kInstall + "\\boot.ini"));
  RemoveTree("C:\\abort_test");
}

TEST_F(InstallE2E, ACopyFailureSaysSoAndEndsWithZero) {
  std::string folder = "C:\\fail_test";
  MakeFolders(folder);
  HWND progress = WalkToStart(folder, false, false, false, false);
  ASSERT_NE(progress, nullptr);
  // A folder where the archive should go: the copy onto it fails.
  MakeFolders(folder + "\\tessal.jar");
  MessageBoxSeen failure = WaitForMessageBox(20000);
  ASSERT_NE(failure.window, nullptr);
  EXPECT_BYTES(failure.text, "ファイルのコピーに失敗しました。");
  EXPECT_BYTES(failure.caption, kSetupCaption);
  EXPECT_EQ(failure.buttons, (std::vector<int>{IDOK}));
  Answer(failure, IDOK);
  EXPECT_EQ(setup.End(), 0);
  EXPECT_FALSE(RegKeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
  RemoveTree(folder);
}

TEST_F(InstallE2E, WithoutJavaTheLibraryStaysInTheInstallFolder) {
  RemoveJava();
  std::string folder = "C:\\nojava\\tessal";
  HWND progress = WalkToStart(folder, false, false, false, false, true);
  ASSERT_NE(progress, nullptr);
  ASSERT_NE(setup.WaitForPage(kCompletedPage, 60000), nullptr);
  EXPECT_EQ(ReadFile(folder + "\\jh.jar"), "file jh.jar");
  RemoveTree("C:\\nojava");
}

// On a Western Windows (ANSI code page 1252) é is the byte E9, which code
// page 932 would take for the first byte of a double-byte character: the
// setup program must still find its files beside it. Runs in its own test
// entry, in the en_US.UTF-8 locale.
TEST_F(InstallE2E, WesternLocaleMediumInAnAccentedFolderInstallsEveryFile) {
  ASSERT_EQ(::GetACP(), 1252u);
  const std::string medium = "C:\\Caf\xE9";
  MakeFolders(medium);
  for (const char* name :
       {"Setup.exe", "tessal.jar", "tessal.exe", "boot.ini", "readme.txt", "Uninstall.exe", "jh.jar"})
    ASSERT_TRUE(::CopyFileA((kMedium + "\\" + name).c_str(), (medium + "\\" + name).c_str(), FALSE)) << name;
  RemoveJava();  // jh.jar then stays in the install folder with the others
  ASSERT_TRUE(setup.Launch(medium, medium + "\\Setup.exe"));
  Answer(WaitForMessageBox(), IDYES);
  HWND page = setup.WaitForPage(kFolderPage);
  ASSERT_NE(page, nullptr);
  MakeFolders(kInstall);
  SetText(SetupSession::Control(page, "", "Edit"), kInstall);
  Click(Button(page, "次へ >"));
  HWND chain = setup.WaitForPage(kChainPage);
  ASSERT_NE(chain, nullptr);
  Click(Button(chain, "次へ >"));
  HWND shortcuts = setup.WaitForPage(kShortcutPage);
  ASSERT_NE(shortcuts, nullptr);
  Click(Button(shortcuts, "開始"));
  ASSERT_NE(setup.WaitForPage(kCompletedPage, 60000), nullptr);
  EXPECT_TRUE(Screenshot("install_western_completed_page"));
  for (const char* name : kProductFiles)
    EXPECT_EQ(ReadFile(kInstall + "\\" + name), std::string("file ") + name) << name;
  RemoveTree(medium);
}

// Unattended installs: no window at any moment, the exit code, and what
// each leaves on the machine and in its log.
TEST_F(InstallE2E, SilentInstallsShowNoWindowAndEndWithTheirExitCodes) {
  const std::string log = "C:\\silent logs\\setup.log";
  const std::string dbcsFolder = "C:\\表 ソフト\\tessal";  // 表 = 95 5C, ソ = 83 5C
  const struct {
    const char* name;
    std::function<void()> arrange;
    std::string arguments;
    long exitCode;
    std::string folder;       // where the launcher goes, or "" when nothing is copied
    bool links, association;  // all three shortcuts / the XML open command made
    DWORD sizeKiB;            // of the installed files, rounded up
    std::string logLine;
  } rows[] = {
      {"no tasks", nullptr, "/SILENT", 0, kInstall, false, false, 1,
       "Copied: C:\\medium\\tessal.exe -> " + kInstall + "\\tessal.exe (15 bytes)"},
      {"all four tasks, a long copy", [] { WriteFile(kMedium + "\\tessal.jar", std::string(100u << 20, 'J')); },
       "/tasks=\"desktop,xml,sendto,startmenu\" /SILENT", 0, kInstall, true, true, 102401,
       "Registry key deleted: HKCR\\xmlfile\\shell\\open\\ddeexec"},
      {"a double-byte folder with a blank", nullptr,
       "/SILENT /TASKS=startmenu,desktop,sendto /DIR=\"" + dbcsFolder + "\"", 0, dbcsFolder, true, false, 1,
       "Shortcut written: " + desktop + "\\Tessal.lnk -> " + dbcsFolder + "\\tessal.exe"},
      {"a folder that cannot be created", [] { WriteFile("C:\\blocker", "a file"); },
       "/SILENT /DIR=C:\\blocker\\tessal", 2, "", false, false, 0,
       "Install folder could not be created: C:\\blocker\\tessal"},
      {"a file missing from the medium", [] { ::DeleteFileA((kMedium + "\\readme.txt").c_str()); }, "/SILENT", 0,
       kInstall, false, false, 1, "Skipped, not on the medium: C:\\medium\\readme.txt"},
      {"a copy that fails", [] { MakeFolders(kInstall + "\\boot.ini"); }, "/SILENT", 3, "", false, false, 0,
       "Copy failed (error 5): C:\\medium\\boot.ini -> " + kInstall + "\\boot.ini"},
  };
  const std::string artifacts = WindowsPath(Environment("TESSAL_ARTIFACTS"));
  int set = 0;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    TearDown();
    SetUp();
    RemoveTree("C:\\silent logs");
    MakeFolders("C:\\silent logs");
    if (row.arrange) row.arrange();
    WatchedRun run = RunWatched(row.arguments + " /LOG=\"" + log + "\"", 120000);
    EXPECT_EQ(run.exitCode, row.exitCode);
    EXPECT_TRUE(run.windows.empty()) << Joined(run.windows);

    const std::string text = ReadFile(log);
    EXPECT_EQ(text.rfind("Setup started: \"" + kMedium + "\\Setup.exe\" ", 0), 0u) << text;
    EXPECT_NE(text.find("\r\nJava check: jcOK (extension folder " + kJavaHome + "\\lib\\ext)\r\n"), std::string::npos)
        << text;
    EXPECT_NE(text.find("\r\n" + row.logLine + "\r\n"), std::string::npos) << text;
    EXPECT_TRUE(text.ends_with("\r\nExit code: " + std::to_string(row.exitCode) + "\r\n")) << text;

    if (!row.folder.empty()) {
      EXPECT_EQ(ReadFile(row.folder + "\\tessal.exe"), "file tessal.exe");
      EXPECT_EQ(Attributes(row.folder + "\\tessal.exe") & FILE_ATTRIBUTE_READONLY, 0u);
      EXPECT_EQ(ReadFile(kJavaHome + "\\lib\\ext\\jh.jar"), "file jh.jar");
      EXPECT_BYTES(RegString(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName"), "Tessal");
      ExpectEntryValues(row.folder, row.sizeKiB);
    } else {
      EXPECT_FALSE(RegKeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
    }
    if (row.logLine.starts_with("Skipped")) {
      EXPECT_FALSE(FileExists(kInstall + "\\readme.txt"));
    }
    EXPECT_BYTES(RegString(HKEY_CLASSES_ROOT, kXmlCommandKey, ""),
                 row.association ? "\"" + row.folder + "\\tessal.exe\" \"%1\"" : kOldXmlCommand);

    const std::string links[] = {programs + "\\Tessal\\Tessal.lnk", desktop + "\\Tessal.lnk", sendTo + "\\Tessal.lnk"};
    for (const std::string& link : links) {
      EXPECT_EQ(FileExists(link), row.links) << link;
      if (!row.links) continue;
      Shortcut read = ReadShortcut(link);
      EXPECT_BYTES(read.target, row.folder + "\\tessal.exe") << link;
      EXPECT_BYTES(read.workingDirectory, row.folder) << link;
    }
    // Left for lnkinfo, with what each set must say.
    if (row.links && !Environment("TESSAL_ARTIFACTS").empty()) {
      const std::string copies = artifacts + "\\silent" + std::to_string(++set);
      RemoveTree(copies);
      MakeFolders(copies);
      const char* names[] = {"programs.lnk", "desktop.lnk", "sendto.lnk"};
      for (int i = 0; i < 3; ++i) ::CopyFileA(links[i].c_str(), (copies + "\\" + names[i]).c_str(), FALSE);
      WriteFile(copies + "\\expected.txt", row.folder + "\\tessal.exe\n" + row.folder + "\n");
    }
    RemoveTree(row.folder.empty() ? kInstall : row.folder);
  }
  RemoveTree("C:\\表 ソフト");
  RemoveTree("C:\\silent logs");
  ::DeleteFileA("C:\\blocker");
}

// An update while Tessal runs, its Java runtime holding tessal.jar: the
// unattended run ends with 6, the wizard asks to close Tessal; neither
// changes a file until then, and Retry after Tessal has ended installs.
TEST_F(InstallE2E, AnUpdateWhileTessalRunsChangesNoFileUntilItHasEnded) {
  Started first = Start("\"" + kMedium + "\\Setup.exe\" /SILENT", kMedium);
  ASSERT_EQ(WaitForExit(first, 60000), 0) << "the installation to update";
  ::CloseHandle(first.process);
  ::SetFileAttributesA((kMedium + "\\tessal.exe").c_str(), FILE_ATTRIBUTE_NORMAL);
  for (const char* name : kProductFiles) ASSERT_TRUE(WriteFile(kMedium + "\\" + name, std::string("new ") + name));
  const std::string jar = kInstall + "\\tessal.jar";
  auto installed = [] {
    std::string stamps;
    for (const char* name : kProductFiles) {
      const std::string path = (std::string(name) == "jh.jar" ? kJavaHome + "\\lib\\ext" : kInstall) + "\\" + name;
      stamps += path + ": " + SizeAndTime(path) + "\n";
    }
    return stamps;
  };
  const std::string before = installed();
  HeldFile runtime(WindowsPath(PLANTED_PROGRAM), jar);  // the stand-in Java runtime
  ASSERT_TRUE(runtime.Holding());

  const std::string log = "C:\\update.log";
  WatchedRun silent = RunWatched("/SILENT /LOG=\"" + log + "\"", 60000);
  EXPECT_EQ(silent.exitCode, 6);
  EXPECT_NE(ReadFile(log).find("\r\nIn use by another program: " + jar + "\r\n"), std::string::npos) << ReadFile(log);
  EXPECT_EQ(installed(), before);

  ASSERT_NE(WalkToStart(kInstall, false, false, false, false), nullptr);
  MessageBoxSeen question = WaitForMessageBox(20000);
  EXPECT_BYTES(question.text, "Tessalが実行中のため、次のファイルを更新できません：\n" + jar +
                                  "\n\nTessalを終了してから［再試行］を押してください。");
  EXPECT_BYTES(question.caption, kSetupCaption);
  EXPECT_EQ(question.buttons, (std::vector<int>{IDCANCEL, IDRETRY}));
  EXPECT_FALSE(question.hasIcon);
  EXPECT_TRUE(Screenshot("install_file_in_use"));
  EXPECT_EQ(installed(), before);
  runtime.End();
  Answer(question, IDRETRY);
  ASSERT_NE(setup.WaitForPage(kCompletedPage, 60000), nullptr);
  EXPECT_EQ(ReadFile(jar), "new tessal.jar");
  EXPECT_EQ(ReadFile(kJavaHome + "\\lib\\ext\\jh.jar"), "new jh.jar");
  ::DeleteFileA(log.c_str());
}

// Some distribution tools start the program by its path unquoted, blank
// and all; Windows passes such a line exactly as given.
TEST_F(InstallE2E, AnUnquotedMediumPathWithABlankInstallsSilently) {
  const std::string medium = "C:\\My Media";
  RemoveTree(medium);
  MakeFolders(medium);
  for (const char* name :
       {"Setup.exe", "tessal.jar", "tessal.exe", "boot.ini", "readme.txt", "Uninstall.exe", "jh.jar"})
    ASSERT_TRUE(::CopyFileA((kMedium + "\\" + name).c_str(), (medium + "\\" + name).c_str(), FALSE));
  const std::string log = medium + "\\setup.log";
  const std::string line = medium + "\\Setup.exe /SILENT /LOG=\"" + log + "\"";
  Started setup = Start(line, medium, medium + "\\Setup.exe");
  ASSERT_TRUE(setup.ok());
  EXPECT_EQ(WaitForExit(setup, 60000), 0);
  ::CloseHandle(setup.process);
  EXPECT_EQ(ReadFile(log).rfind("Setup started: " + line + "\r\n", 0), 0u) << ReadFile(log);
  EXPECT_EQ(ReadFile(kInstall + "\\tessal.exe"), "file tessal.exe");
  RemoveTree(medium);
}

TEST_F(InstallE2E, WrongSilentCommandLinesExitWithOneAndChangeNothing) {
  for (const char* arguments : {"/SILENT /DIR", "/SILENT /TASKS=foo", "/SILENT /QUIET"}) {
    SCOPED_TRACE(arguments);
    WatchedRun run = RunWatched(arguments, 30000);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.windows.empty()) << Joined(run.windows);
    EXPECT_FALSE(FolderExists(kInstall));
    EXPECT_FALSE(RegKeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
    EXPECT_BYTES(RegString(HKEY_CLASSES_ROOT, kXmlCommandKey, ""), kOldXmlCommand);
  }
  // Without /SILENT a line it cannot read is ignored and the wizard opens,
  // as before; the watcher sees its windows.
  WatchedRun wizard = RunWatched("/DIR", 15000, true);
  EXPECT_FALSE(wizard.windows.empty());
  EXPECT_EQ(wizard.exitCode, -1) << "still running when stopped";
}

}  // namespace
}  // namespace e2e
