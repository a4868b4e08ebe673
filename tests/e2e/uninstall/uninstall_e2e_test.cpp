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
#include "tests/e2e/uninstall/planted_dll.h"
#include "tests/e2e/wizard/setup_session.h"
#include "tests/support/bytes.h"
#include "uninstall/texts.h"
#include "uninstall/uninstaller.h"

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

// What of the finisher's copy lies in the temporary folder: its folder
// "TessalUninstall<16 hex digits>", and its file once moved out of it.
std::vector<std::string> CopyEntries() {
  std::vector<std::string> names;
  WIN32_FIND_DATAA entry;
  HANDLE find = ::FindFirstFileA((TempFolder() + "TessalUninstall*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return names;
  do names.push_back(entry.cFileName);
  while (::FindNextFileA(find, &entry));
  ::FindClose(find);
  return names;
}

bool FinisherCopyExists() { return !CopyEntries().empty(); }

// Within a few seconds of the finisher's end.
void ExpectTheCopyGone(const char* when) {
  for (DWORD waited = 0; FinisherCopyExists() && waited < 5000; waited += 100) ::Sleep(100);
  EXPECT_TRUE(CopyEntries().empty()) << when << ": " << (CopyEntries().empty() ? "" : CopyEntries()[0]);
}

// While the finisher runs: one folder of a name nobody could guess, with the copy in it.
void ExpectTheCopyInAFolderOfItsOwn() {
  const std::vector<std::string> entries = CopyEntries();
  ASSERT_EQ(entries.size(), 1u);
  const std::string& name = entries[0];
  EXPECT_EQ(name.size(), 31u) << name;
  EXPECT_EQ(name.find_first_not_of("0123456789ABCDEF", 15), std::string::npos) << name;
  EXPECT_TRUE(FolderExists(TempFolder() + name)) << name;
  EXPECT_TRUE(FileExists(TempFolder() + name + "\\Uninstall.exe")) << name;
  // Another program of the user cannot swap it: the copy holds it.
  const std::string folder = TempFolder() + name, moved = TempFolder() + "swapped";
  const BOOL renamed = ::MoveFileA(folder.c_str(), moved.c_str());
  if (renamed) ::MoveFileA(moved.c_str(), folder.c_str());
  EXPECT_FALSE(renamed) << name;
}

// Wine told to prefer a version.dll it finds over its own, as Windows
// prefers one in a program's folder over the system's; for the programs
// started while this lives. (A WINEDLLOVERRIDES set here does not reach
// them.)
class PreferFoundVersionDll {
 public:
  PreferFoundVersionDll() { SetRegString(HKEY_CURRENT_USER, kKey, "version", "native,builtin"); }
  ~PreferFoundVersionDll() {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    ::RegDeleteValueA(key, "version");
    ::RegCloseKey(key);
  }

 private:
  static constexpr const char* kKey = "Software\\Wine\\DllOverrides";
};

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

// A message box of that process alone: its text, or "" when none appears.
struct BoxOf {
  HWND window = nullptr;
  std::string text;
};
BoxOf WaitForMessageBoxOf(const Started& program, DWORD timeoutMs = kDefaultWaitMs) {
  struct Search {
    DWORD id;
    HWND found = nullptr;
    static BOOL CALLBACK Visit(HWND window, LPARAM param) {
      auto* search = reinterpret_cast<Search*>(param);
      DWORD owner = 0;
      ::GetWindowThreadProcessId(window, &owner);
      if (owner == search->id && ::IsWindowVisible(window) && ClassName(window) == "#32770") {
        search->found = window;
        return FALSE;
      }
      return TRUE;
    }
  } search{program.id};
  for (DWORD waited = 0; !search.found && waited < timeoutMs; waited += 100) {
    ::EnumWindows(Search::Visit, reinterpret_cast<LPARAM>(&search));
    if (!search.found) ::Sleep(100);
  }
  BoxOf box{search.found, ""};
  if (box.window) {
    ::Sleep(100);
    box.text = WindowText(::GetDlgItem(box.window, 0xFFFF));
  }
  return box;
}

void Press(HWND box, int id) {
  Click(::GetDlgItem(box, id));
  WaitUntilGone(box);
}

std::string FolderOfPath(const std::string& path) { return path.substr(0, path.rfind("\\data")); }

std::string ShellFolder(int csidl) {
  char path[MAX_PATH] = {};
  return SUCCEEDED(::SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)) ? path : "";
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool IsEmptyFolder(const std::string& folder) {
  WIN32_FIND_DATAA entry;
  HANDLE find = ::FindFirstFileA((folder + "\\*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return false;
  bool empty = true;
  do empty = empty && (std::string(entry.cFileName) == "." || std::string(entry.cFileName) == "..");
  while (::FindNextFileA(find, &entry));
  ::FindClose(find);
  return empty;
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

  // The files and the uninstall entry as the setup program leaves them, with
  // every value an entry may carry, without the wizard: for the cases that
  // are about where the installation lies.
  void PlaceInstallation(const std::string& folder) {
    ASSERT_TRUE(MakeFolders(folder));
    for (const char* name : kProductFiles)
      ASSERT_TRUE(::CopyFileA((kMedium + "\\" + name).c_str(), (folder + "\\" + name).c_str(), FALSE));
    ASSERT_TRUE(::CopyFileA(UninstallExe().c_str(), (folder + "\\Uninstall.exe").c_str(), FALSE));
    const std::string uninstaller = folder + "\\Uninstall.exe";
    for (const auto& [name, value] : {std::pair<const char*, std::string>{"DisplayName", "Tessal"},
                                      {"UninstallString", uninstaller},
                                      {"QuietUninstallString", "\"" + uninstaller + "\" /SILENT"},
                                      {"DisplayIcon", folder + "\\tessal.exe"},
                                      {"DisplayVersion", "1.2"},
                                      {"InstallLocation", folder}})
      ASSERT_TRUE(SetRegString(HKEY_LOCAL_MACHINE, kUninstallKey, name, value));
    for (const char* name : {"EstimatedSize", "NoModify", "NoRepair"})
      ASSERT_TRUE(SetRegDword(HKEY_LOCAL_MACHINE, kUninstallKey, name, 1));
  }

  // Started with exactly this command line, answered OK; the report's text.
  std::string UninstallWith(const std::string& commandLine) {
    Started original = Start(commandLine, "C:\\");
    EXPECT_TRUE(original.ok()) << "CreateProcessA: error " << original.error;
    BoxOf question = WaitForMessageBoxOf(original);
    EXPECT_BYTES(question.text, uninstall::kQuestion) << commandLine;
    if (!question.window) return "";
    Press(question.window, IDOK);
    EXPECT_EQ(WaitForExit(original), 0);
    MessageBoxSeen report = WaitForMessageBox(30000);
    Answer(report, IDOK);
    ExpectTheCopyGone("after the report");
    return report.text;
  }

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

  // What may differ between before the install and after the uninstall:
  // the open command of "xmlfile" with its DDE key (the class key is seen
  // both under HKCR and under HKLM\SOFTWARE\Classes) and the library in the
  // Java runtime.
  void ExpectOnlyTheAssociationAndTheLibraryDiffer(const std::vector<std::string>& before,
                                                   const std::vector<std::string>& after) {
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
  }

  // Runs the installed Uninstall.exe as the list of installed programs
  // does, answers OK, and returns the report once the finisher has removed
  // itself too.
  MessageBoxSeen UninstallAsWindowsDoes(const std::string& uninstaller = kInstall + "\\Uninstall.exe") {
    EXPECT_TRUE(CopyEntries().empty()) << "before: no copy";
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
    ExpectTheCopyInAFolderOfItsOwn();
    Answer(report, IDOK);
    ExpectTheCopyGone("after the report");
    return report;
  }
};

TEST_F(UninstallE2E, InstallThenUninstallLeavesTheMachineAsItWasButForTheAssociationAndTheLibrary) {
  const std::vector<std::string> before = Snapshot();
  InstallWithEveryOption();
  const MessageBoxSeen report = UninstallAsWindowsDoes(RegString(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString"));
  EXPECT_BYTES(report.text, uninstall::kRemovedAll);
  const std::vector<std::string> after = Snapshot();

  ExpectOnlyTheAssociationAndTheLibraryDiffer(before, after);
  EXPECT_FALSE(FolderExists(kInstall));
  EXPECT_FALSE(RegKeyExists(HKEY_CLASSES_ROOT, "xmlfile\\shell\\open\\command"));
}

// Anything of the user's may leave a DLL in the temporary folder; the copy,
// running as administrator, loads none of it.
TEST_F(UninstallE2E, TheCopyLoadsNoDllLeftInTheTemporaryFolder) {
  const std::string planted = TempFolder() + "version.dll";
  ASSERT_TRUE(::CopyFileA(WindowsPath(PLANTED_DLL).c_str(), planted.c_str(), FALSE));
  ::DeleteFileA(kPlantedDllMarker);
  PreferFoundVersionDll prefer;
  // A program that runs from the temporary folder loads it: the trap works.
  const std::string probe = TempFolder() + "probe.exe";
  ASSERT_TRUE(::CopyFileA(UninstallExe().c_str(), probe.c_str(), FALSE));
  Started program = Start("\"" + probe + "\"", "C:\\");
  BoxOf box = WaitForMessageBoxOf(program);
  if (box.window) Press(box.window, IDOK);
  EXPECT_EQ(WaitForExit(program), 1);
  EXPECT_NE(ReadFile(kPlantedDllMarker).find(probe), std::string::npos) << ReadFile(kPlantedDllMarker);
  ::DeleteFileA(probe.c_str());
  ::DeleteFileA(kPlantedDllMarker);

  PlaceInstallation(kInstall);
  EXPECT_BYTES(UninstallAsWindowsDoes().text, uninstall::kRemovedAll);
  EXPECT_FALSE(FileExists(kPlantedDllMarker)) << "loaded by: " << ReadFile(kPlantedDllMarker);
  EXPECT_FALSE(FolderExists(kInstall));
  ::DeleteFileA(planted.c_str());
  ::DeleteFileA(kPlantedDllMarker);
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
  EXPECT_TRUE(FileExists(readOnly));
  EXPECT_EQ(Attributes(readOnly) & FILE_ATTRIBUTE_READONLY, static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
  // The rest is gone: the other shortcuts, the other files; the uninstaller
  // and its entry stay, so that it can run again from the list of programs.
  EXPECT_FALSE(FileExists(programs + "\\Tessal\\Tessal.lnk"));
  EXPECT_FALSE(FolderExists(programs + "\\Tessal"));
  EXPECT_FALSE(FileExists(sendTo + "\\Tessal.lnk"));
  EXPECT_FALSE(FileExists(kInstall + "\\tessal.exe"));
  EXPECT_TRUE(FileExists(kInstall + "\\Uninstall.exe"));
  EXPECT_BYTES(RegString(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString"), kInstall + "\\Uninstall.exe");

  // With the mark cleared, the second run from the entry finishes the job.
  ::SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
  const std::string second =
      UninstallAsWindowsDoes(RegString(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString")).text;
  EXPECT_EQ(second.rfind(uninstall::kRemovedAll, 0), 0u) << second;
  EXPECT_EQ(second.find(uninstall::kFailedHeading), std::string::npos) << second;
  EXPECT_FALSE(FolderExists(kInstall));
  EXPECT_FALSE(RegKeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
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

// Windows' and the user's folders stay, even emptied, and are no failure;
// the whole entry goes with every value it may carry.
TEST_F(UninstallE2E, AnInstallIntoDocumentsOrWindowsLeavesThatFolderWithoutAFailure) {
  const std::string documents = ShellFolder(CSIDL_PERSONAL);
  ASSERT_FALSE(documents.empty());
  ASSERT_TRUE(IsEmptyFolder(documents)) << documents;
  for (const std::string& folder : {documents, std::string("C:\\windows")}) {
    const std::vector<std::string> before = Snapshot();
    PlaceInstallation(folder);
    EXPECT_BYTES(UninstallWith(folder + "\\Uninstall.exe"), uninstall::kRemovedAll) << folder;
    EXPECT_TRUE(FolderExists(folder)) << folder;
    EXPECT_TRUE(Difference(before, Snapshot()).empty()) << folder;
    EXPECT_FALSE(RegKeyExists(HKEY_LOCAL_MACHINE, kUninstallKey)) << folder;
  }
  EXPECT_TRUE(IsEmptyFolder(documents));
  EXPECT_TRUE(FileExists("C:\\windows\\system32\\kernel32.dll"));
}

// As the list of programs starts the entry: the path unquoted, double-byte,
// with and without a blank (Wine quotes the one with a blank; Windows does not).
TEST_F(UninstallE2E, AnUnquotedJapanesePathStartsTheUninstall) {
  for (const std::string& folder : {std::string("C:\\作業\\data"), std::string("C:\\作業 表\\data")}) {
    PlaceInstallation(folder);
    EXPECT_BYTES(UninstallWith(folder + "\\Uninstall.exe"), uninstall::kRemovedAll) << folder;
    EXPECT_FALSE(FolderExists(folder)) << folder;
    EXPECT_TRUE(FolderExists(FolderOfPath(folder))) << "its parent is not ours";
    RemoveTree(FolderOfPath(folder));
  }
}

// Started twice from the list of programs, the user answering the first's
// question first: the second shows the first's window and ends at once,
// while the first asks and while its finisher reports, so that nothing of it
// keeps Uninstall.exe busy; the end state is one uninstall's.
TEST_F(UninstallE2E, ASecondUninstallerShowsTheFirstAndEndsAtOnce) {
  const std::vector<std::string> before = Snapshot();
  PlaceInstallation(kInstall);
  const std::string line = "\"" + kInstall + "\\Uninstall.exe\"";
  Started first = Start(line, "C:\\");
  BoxOf question = WaitForMessageBoxOf(first);
  EXPECT_BYTES(question.text, uninstall::kQuestion);
  ASSERT_NE(question.window, nullptr);
  auto endsAtOnce = [&](const std::string& commandLine, HWND shown, const char* when) {
    Started second = Start(commandLine, "C:\\");
    const long code = WaitForExit(second, 5000);
    EXPECT_EQ(code, 1) << when;
    if (code < 0) {  // it waits on a message box of its own
      BoxOf box = WaitForMessageBoxOf(second);
      if (box.window) Press(box.window, IDOK);
      WaitForExit(second);
    }
    EXPECT_EQ(::GetForegroundWindow(), shown) << when;
  };
  endsAtOnce(line, question.window, "while the first asks");
  EXPECT_TRUE(Screenshot("uninstall_second_shows_the_first"));
  EXPECT_TRUE(FileExists(kInstall + "\\tessal.jar"));
  Press(question.window, IDOK);
  EXPECT_EQ(WaitForExit(first), 0);
  MessageBoxSeen report = WaitForMessageBox(30000);
  EXPECT_BYTES(report.text, uninstall::kRemovedAll);
  endsAtOnce("\"" + UninstallExe() + "\"", report.window, "while the finisher reports");
  Answer(report, IDOK);
  ExpectTheCopyGone("after the report");
  EXPECT_FALSE(FileExists(kInstall + "\\Uninstall.exe"));
  EXPECT_FALSE(RegKeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
  EXPECT_TRUE(Difference(before, Snapshot()).empty());
}

// Tessal running, its Java runtime holding tessal.jar: the unattended run
// ends with 6, the interactive one asks to close Tessal after its
// question; neither removes anything until then, and Retry after Tessal
// has ended removes it all.
TEST_F(UninstallE2E, WhileTessalRunsNothingIsRemovedUntilItHasEnded) {
  PlaceInstallation(kInstall);
  const std::string jar = kInstall + "\\tessal.jar";
  auto stamps = [] {
    std::string text;
    for (const char* name : kProductFiles) text += name + (": " + SizeAndTime(kInstall + "\\" + name)) + "\n";
    return text;
  };
  const std::vector<std::string> before = Snapshot();
  const std::string stampsBefore = stamps();
  HeldFile runtime(WindowsPath(STAND_IN_JAVA), jar);
  ASSERT_TRUE(runtime.Holding());

  const std::string log = "C:\\uninstall.log";
  Started silent = Start("\"" + kInstall + "\\Uninstall.exe\" /SILENT /LOG=\"" + log + "\"", "C:\\");
  EXPECT_EQ(WaitForExit(silent, 60000), uninstall::kExitFileInUse);
  ::CloseHandle(silent.process);
  EXPECT_NE(ReadFile(log).find(uninstall::kLogInUse + jar + "\r\n"), std::string::npos) << ReadFile(log);
  ::DeleteFileA(log.c_str());
  EXPECT_TRUE(Difference(before, Snapshot()).empty());
  EXPECT_EQ(stamps(), stampsBefore);

  Started original = Start("\"" + kInstall + "\\Uninstall.exe\"", "C:\\");
  Answer(WaitForMessageBox(), IDOK);
  MessageBoxSeen inUse = WaitForMessageBox();
  EXPECT_BYTES(inUse.text, std::string(uninstall::kInUseBefore) + "\n" + jar + "\n\n" + uninstall::kInUseAfter);
  EXPECT_BYTES(inUse.caption, uninstall::kCaption);
  EXPECT_EQ(inUse.buttons, (std::vector<int>{IDCANCEL, IDRETRY}));
  EXPECT_TRUE(Screenshot("uninstall_file_in_use"));
  EXPECT_TRUE(Difference(before, Snapshot()).empty());
  EXPECT_EQ(stamps(), stampsBefore);
  runtime.End();
  Answer(inUse, IDRETRY);
  EXPECT_EQ(WaitForExit(original), 0);
  ::CloseHandle(original.process);
  MessageBoxSeen report = WaitForMessageBox(30000);
  EXPECT_BYTES(report.text, uninstall::kRemovedAll);
  Answer(report, IDOK);
  ExpectTheCopyGone("after the report");
  EXPECT_FALSE(FolderExists(kInstall));
}

// Unattended: no window, the exit code, and the log appended in Shift-JIS with CRLF.
TEST_F(UninstallE2E, ASilentUninstallSaysByItsExitCodeAndItsLogWhatItDid) {
  const std::string log = "C:\\ログ 表\\un.log";
  MakeFolders("C:\\ログ 表");
  ASSERT_TRUE(WriteFile(log, "earlier\r\n"));
  auto silent = [&](const std::string& uninstaller, const std::string& switches) {
    Started program = Start("\"" + uninstaller + "\" " + switches, "C:\\");
    EXPECT_EQ(WaitForMessageBoxOf(program, 1500).window, nullptr) << switches << ": no window";
    return WaitForExit(program, 60000);
  };

  const std::vector<std::string> before = Snapshot();
  Started install = Start(
      "\"" + kMedium + "\\Setup.exe\" /SILENT /DIR=\"" + kInstall + "\" /TASKS=sendto,xml,startmenu,desktop", kMedium);
  ASSERT_EQ(WaitForExit(install, 60000), 0) << "the unattended install";
  const std::string readOnly = kInstall + "\\readme.txt";
  ::SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(silent(kInstall + "\\Uninstall.exe", "/SILENT /LOG=\"" + log + "\""), 5);
  EXPECT_TRUE(FileExists(kInstall + "\\Uninstall.exe"));
  EXPECT_TRUE(RegKeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
  std::string text = ReadFile(log);
  EXPECT_NE(text.find(uninstall::kLogFailed + readOnly + uninstall::kReadOnlyNote + "\r\n"), std::string::npos) << text;
  EXPECT_TRUE(EndsWith(text, std::string(uninstall::kLogExitCode) + "5\r\n")) << text;

  const auto unchanged = Snapshot();
  for (const char* wrong : {"/SILENT /QUIET", "/silent /LOG", "/SILENT /SILENT"})
    EXPECT_EQ(silent(kInstall + "\\Uninstall.exe", wrong), 1) << wrong;
  EXPECT_TRUE(Difference(unchanged, Snapshot()).empty());

  ::SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_TRUE(CopyEntries().empty()) << "before: no copy";
  EXPECT_EQ(silent(kInstall + "\\Uninstall.exe", "/silent /log=\"" + log + "\""), 0);
  for (DWORD waited = 0; FolderExists(kInstall) && waited < 15000; waited += 100) ::Sleep(100);
  EXPECT_FALSE(FolderExists(kInstall)) << "the finisher removed the program and the folder";
  ExpectTheCopyGone("after a silent run");
  ExpectOnlyTheAssociationAndTheLibraryDiffer(before, Snapshot());
  text = ReadFile(log);
  std::printf("Log:\n%s\n", text.c_str());
  std::fflush(stdout);
  EXPECT_EQ(text.rfind("earlier\r\n" + std::string(uninstall::kLogStart), 0), 0u);
  EXPECT_NE(text.find(uninstall::kLogRemoved + kInstall + "\\tessal.jar\r\n"), std::string::npos);
  EXPECT_NE(text.find(uninstall::kLogAfterExit + kInstall + "\\Uninstall.exe\r\n"), std::string::npos);
  EXPECT_TRUE(EndsWith(text, std::string(uninstall::kLogExitCode) + "0\r\n"));

  const std::string empty = "C:\\empty";
  MakeFolders(empty);
  ASSERT_TRUE(::CopyFileA(UninstallExe().c_str(), (empty + "\\Uninstall.exe").c_str(), FALSE));
  EXPECT_EQ(silent(empty + "\\Uninstall.exe", "/SILENT"), 2);
  EXPECT_TRUE(FileExists(empty + "\\Uninstall.exe"));
  RemoveTree(empty);
  RemoveTree("C:\\ログ 表");
}

}  // namespace
}  // namespace e2e
