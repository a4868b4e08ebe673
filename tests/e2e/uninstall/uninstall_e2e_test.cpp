// Install with every option through the real wizard, then run the installed
// Uninstall.exe as Windows runs the uninstall entry, and compare the machine
// before the install with the machine after the uninstall.
#include <windows.h>
// after windows.h
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "tests/e2e/driver/driver.h"
#include "tests/e2e/uninstall/machine_snapshot.h"
#include "tests/e2e/wizard/setup_session.h"
#include "tests/support/bytes.h"
#include "uninstall/texts.h"

namespace e2e {
namespace {

const std::string kMedium = "C:\\medium";
const std::string kInstall = "C:\\Program Files\\tessal";
const std::string kJavaHome = "C:\\Java\\jre1.8";
const std::string kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const std::string kUninstallKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tessal";
const char* const kProductFiles[] = {"tessal.jar", "tessal.exe", "boot.ini", "readme.txt", "jh.jar"};

std::string UninstallExe() { return WindowsPath(UNINSTALL_EXE); }

// A shortcut written through the shell's link object, as another program would.
bool WriteShortcut(const std::string& target, const std::string& linkPath) {
  ::CoInitialize(nullptr);
  bool saved = false;
  IShellLinkA* link = nullptr;
  if (SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link)))) {
    link->SetPath(target.c_str());
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      wchar_t wide[MAX_PATH];
      ::MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, wide, MAX_PATH);
      saved = SUCCEEDED(file->Save(wide, TRUE));
      file->Release();
    }
    link->Release();
  }
  ::CoUninitialize();
  return saved;
}

std::string TempFolder() {
  char buffer[MAX_PATH] = {};
  DWORD length = ::GetTempPathA(MAX_PATH, buffer);
  return std::string(buffer, length < MAX_PATH ? length : 0);
}

bool FinisherCopyExists() {
  WIN32_FIND_DATAA entry;
  HANDLE find = ::FindFirstFileA((TempFolder() + "TessalUninstall*.exe").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return false;
  ::FindClose(find);
  return true;
}

// Ends a program of the machine at once, so that it writes none of its
// settings (Notepad keeps its window position in the registry when closed).
void EndProcessOf(HWND window) {
  DWORD id = 0;
  ::GetWindowThreadProcessId(window, &id);
  HANDLE process = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
  if (!process) return;
  ::TerminateProcess(process, 0);
  ::WaitForSingleObject(process, 5000);
  ::CloseHandle(process);
}

HWND FindVisibleTitleContaining(const std::string& part, DWORD timeoutMs) {
  struct Search {
    std::string part;
    HWND found = nullptr;
    static BOOL CALLBACK Visit(HWND window, LPARAM param) {
      auto* search = reinterpret_cast<Search*>(param);
      char title[256] = {};
      ::GetWindowTextA(window, title, sizeof title);
      if (::IsWindowVisible(window) && std::string(title).find(search->part) != std::string::npos) {
        search->found = window;
        return FALSE;
      }
      return TRUE;
    }
  } search{part};
  for (DWORD waited = 0; !search.found && waited < timeoutMs; waited += 100) {
    ::EnumWindows(Search::Visit, reinterpret_cast<LPARAM>(&search));
    if (!search.found) ::Sleep(100);
  }
  return search.found;
}

class UninstallE2E : public ::testing::Test {
 protected:
  SetupSession setup;
  std::string programs, desktop, sendTo;

  void SetUp() override {
    RemoveTree(kInstall);
    RemoveTree(kMedium);
    MakeFolders(kMedium);
    ASSERT_TRUE(::CopyFileA(SetupExe().c_str(), (kMedium + "\\Setup.exe").c_str(), FALSE));
    ASSERT_TRUE(::CopyFileA(UninstallExe().c_str(), (kMedium + "\\Uninstall.exe").c_str(), FALSE));
    for (const char* name : kProductFiles) ASSERT_TRUE(WriteFile(kMedium + "\\" + name, std::string("file ") + name));
    RegisterJava("1.8", kJavaHome, true);
    programs = RegString(HKEY_CURRENT_USER, kShellFolders, "Programs");
    desktop = RegString(HKEY_CURRENT_USER, kShellFolders, "Desktop");
    sendTo = RegString(HKEY_CURRENT_USER, kShellFolders, "SendTo");
    // The viewer that owned XML files before, with its DDE conversation.
    SetRegString(HKEY_CLASSES_ROOT, "xmlfile\\shell\\open\\command", "", "\"C:\\old\\viewer.exe\" \"%1\"");
    SetRegString(HKEY_CLASSES_ROOT, "xmlfile\\shell\\open\\ddeexec", "", "[open(\"%1\")]");
    SetRegString(HKEY_CLASSES_ROOT, "xmlfile\\shell\\open\\ddeexec\\Application", "", "viewer");
  }
  void TearDown() override { setup.End(0); }

  std::vector<std::string> Snapshot() {
    std::vector<std::string> lines;
    AddRegistryTree(HKEY_LOCAL_MACHINE, "HKLM", "SOFTWARE", lines);
    // Wine keeps its own settings under HKCU\Software\Wine and writes some
    // there when the first window of the session appears: they belong to
    // the emulator, not to the machine being installed on.
    AddRegistryTree(HKEY_CURRENT_USER, "HKCU", "Software", lines);
    std::erase_if(lines, [](const std::string& line) {
      return line.rfind("KEY HKCU\\Software\\Wine", 0) == 0 || line.rfind("VALUE HKCU\\Software\\Wine", 0) == 0;
    });
    AddRegistryTree(HKEY_CLASSES_ROOT, "HKCR", "xmlfile", lines);
    for (const char* folder : {"C:\\users", "C:\\Program Files", "C:\\Java"}) AddFileTree(folder, lines);
    return lines;
  }

  HWND Button(HWND page, const std::string& caption) { return SetupSession::Control(page, caption, "Button"); }

  // The whole wizard with every option, to the completion page's OK; the
  // read-me that it opens in Notepad is closed again.
  void InstallWithEveryOption() {
    ASSERT_TRUE(setup.Launch(kMedium, kMedium + "\\Setup.exe"));
    HWND page = setup.WaitForPage(kFolderPage);
    ASSERT_NE(page, nullptr);
    SetText(SetupSession::Control(page, "", "Edit"), kInstall);
    Click(Button(page, "次へ >"));
    Answer(WaitForMessageBox(), IDOK);  // create the missing folder
    HWND chain = setup.WaitForPage(kChainPage);
    ASSERT_NE(chain, nullptr);
    SetChecked(Button(chain, "ファイルを送るに追加する"), true);
    SetChecked(Button(chain, "XMLファイルに関連付ける"), true);
    Click(Button(chain, "次へ >"));
    HWND shortcuts = setup.WaitForPage(kShortcutPage);
    ASSERT_NE(shortcuts, nullptr);
    SetChecked(Button(shortcuts, "スタートメニューにショートカットを追加する"), true);
    SetChecked(Button(shortcuts, "デスクトップにショートカットを追加する"), true);
    Click(Button(shortcuts, "開始"));
    HWND completed = setup.WaitForPage(kCompletedPage, 60000);
    ASSERT_NE(completed, nullptr);
    Click(Button(completed, "OK"));
    ASSERT_EQ(setup.End(), 0);
    HWND notepad = FindVisibleTitleContaining("readme.txt", 15000);
    if (notepad) EndProcessOf(notepad);
    ASSERT_TRUE(FileExists(kInstall + "\\Uninstall.exe"));
  }

  // Runs the installed Uninstall.exe as the list of installed programs
  // does, answers OK, and returns the report once the finisher has removed
  // itself too.
  MessageBoxSeen UninstallAsWindowsDoes(const std::string& uninstaller = kInstall + "\\Uninstall.exe") {
    Started original = Start("\"" + uninstaller + "\"", "C:\\");
    EXPECT_TRUE(original.ok());
    MessageBoxSeen question = WaitForMessageBox();
    EXPECT_BYTES(question.caption, uninstall::kCaption);
    EXPECT_BYTES(question.text, uninstall::kQuestion);
    EXPECT_EQ(question.buttons, (std::vector<int>{IDOK, IDCANCEL}));
    EXPECT_FALSE(question.hasIcon);
    EXPECT_TRUE(Screenshot("uninstall_question"));
    Answer(question, IDOK);
    EXPECT_EQ(WaitForExit(original), 0) << "the original hands over and ends";
    MessageBoxSeen report = WaitForMessageBox(30000);
    EXPECT_NE(report.window, nullptr);
    EXPECT_BYTES(report.caption, uninstall::kCaption);
    EXPECT_EQ(report.buttons, (std::vector<int>{IDOK}));
    ::Sleep(300);  // let the box paint before the picture is taken
    EXPECT_TRUE(Screenshot("uninstall_report"));
    Answer(report, IDOK);
    for (DWORD waited = 0; FinisherCopyExists() && waited < 15000; waited += 100) ::Sleep(100);
    EXPECT_FALSE(FinisherCopyExists()) << "the finisher's copy in " << TempFolder() << " removes itself";
    return report;
  }
};

TEST_F(UninstallE2E, InstallThenUninstallLeavesTheMachineAsItWasButForTheAssociationAndTheLibrary) {
  const std::vector<std::string> before = Snapshot();
  InstallWithEveryOption();
  const MessageBoxSeen report = UninstallAsWindowsDoes(RegString(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString"));
  EXPECT_BYTES(report.text, uninstall::kRemovedAll);
  const std::vector<std::string> after = Snapshot();

  // What may differ: the open command of "xmlfile" with its DDE key (the
  // class key is seen both under HKCR and under HKLM\SOFTWARE\Classes) and
  // the library in the Java runtime.
  const std::string allowed[] = {"- KEY HKCR\\xmlfile\\shell\\open", "- VALUE HKCR\\xmlfile\\shell\\open",
                                 "- KEY HKLM\\SOFTWARE\\Classes\\xmlfile\\shell\\open",
                                 "- VALUE HKLM\\SOFTWARE\\Classes\\xmlfile\\shell\\open",
                                 "+ FILE " + kJavaHome + "\\lib\\ext\\jh.jar "};
  std::printf("Difference between before the install and after the uninstall (%u entries before, %u after):\n",
              static_cast<unsigned>(before.size()), static_cast<unsigned>(after.size()));
  for (const std::string& line : Difference(before, after)) {
    std::printf("  %s\n", line.c_str());
    bool expected = false;
    for (const std::string& prefix : allowed) expected = expected || line.rfind(prefix, 0) == 0;
    EXPECT_TRUE(expected) << "unexpected difference: " << line;
  }
  std::fflush(stdout);
  EXPECT_FALSE(FolderExists(kInstall));
  EXPECT_FALSE(RegKeyExists(HKEY_CLASSES_ROOT, "xmlfile\\shell\\open\\command"));
}

TEST_F(UninstallE2E, AShortcutToAnotherProgramAndAReadOnlyFileStayAndAreNamed) {
  InstallWithEveryOption();
  const std::string otherLink = desktop + "\\Tessal.lnk";
  ASSERT_TRUE(WriteShortcut("C:\\other\\tessal.exe", otherLink));
  const std::string readOnly = kInstall + "\\readme.txt";
  ASSERT_TRUE(::SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));

  const MessageBoxSeen report = UninstallAsWindowsDoes();
  std::printf("Report:\n%s\n", report.text.c_str());
  std::fflush(stdout);
  EXPECT_EQ(report.text.rfind(uninstall::kNotAllRemoved, 0), 0u) << report.text;
  EXPECT_NE(report.text.find(readOnly + uninstall::kReadOnlyNote), std::string::npos) << report.text;
  EXPECT_NE(report.text.find(otherLink), std::string::npos) << report.text;
  EXPECT_BYTES(ReadShortcut(otherLink).target, "C:\\other\\tessal.exe");
  EXPECT_NE(report.text.find(std::string("\n") + kInstall + "\n"), std::string::npos)
      << "the folder is named as not removed, since a file of ours keeps it";
  EXPECT_TRUE(FileExists(readOnly));
  EXPECT_EQ(Attributes(readOnly) & FILE_ATTRIBUTE_READONLY, static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
  // The rest is gone: the other shortcuts, the other files, the entry.
  EXPECT_FALSE(FileExists(programs + "\\Tessal\\Tessal.lnk"));
  EXPECT_FALSE(FolderExists(programs + "\\Tessal"));
  EXPECT_FALSE(FileExists(sendTo + "\\Tessal.lnk"));
  EXPECT_FALSE(FileExists(kInstall + "\\tessal.exe"));
  EXPECT_FALSE(FileExists(kInstall + "\\Uninstall.exe"));
  EXPECT_FALSE(RegKeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));

  ::SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveTree(kInstall);
  ::DeleteFileA(otherLink.c_str());
}

TEST_F(UninstallE2E, WithTheUninstallEntryAlreadyGoneTheRestStillGoes) {
  InstallWithEveryOption();
  DeleteRegTree(HKEY_LOCAL_MACHINE, kUninstallKey);
  EXPECT_BYTES(UninstallAsWindowsDoes().text, uninstall::kRemovedAll);
  EXPECT_FALSE(FolderExists(kInstall));
  EXPECT_FALSE(FileExists(desktop + "\\Tessal.lnk"));
  EXPECT_FALSE(RegKeyExists(HKEY_CLASSES_ROOT, "xmlfile\\shell\\open\\command"));
}

TEST_F(UninstallE2E, StartedFromAFolderWithoutAnInstallationItRemovesNothing) {
  const std::string folder = "C:\\downloads";
  MakeFolders(folder);
  ASSERT_TRUE(::CopyFileA(UninstallExe().c_str(), (folder + "\\Uninstall.exe").c_str(), FALSE));
  ASSERT_TRUE(WriteFile(folder + "\\notes.txt", "the user's"));
  for (const std::string& start : {folder, kMedium}) {
    Started program = Start("\"" + start + "\\Uninstall.exe\"", start);
    ASSERT_TRUE(program.ok());
    MessageBoxSeen box = WaitForMessageBox();
    EXPECT_BYTES(box.text, uninstall::kNoInstallation) << start;
    Answer(box, IDOK);
    EXPECT_EQ(WaitForExit(program), 1) << start;
  }
  EXPECT_TRUE(FileExists(folder + "\\Uninstall.exe"));
  EXPECT_TRUE(FileExists(folder + "\\notes.txt"));
  for (const char* name : kProductFiles) EXPECT_TRUE(FileExists(kMedium + "\\" + name)) << "the medium keeps " << name;
  RemoveTree(folder);
}

}  // namespace
}  // namespace e2e
