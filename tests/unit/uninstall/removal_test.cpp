// The whole uninstaller against the fakes, on a machine that the setup
// program's own shell integration installed: what goes, what stays, and
// what the one report says.
#include <gtest/gtest.h>

#include "tests/support/bytes.h"
#include "tests/unit/uninstall/uninstall_fixture.h"
#include "uninstall/removal.h"
#include "uninstall/texts.h"

namespace uninstall_test {
namespace {

using Uninstall = UninstallMachine;

bool Mentions(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST_F(Uninstall, EverythingTheSetupProgramMadeGoesAndNothingElse) {
  Install();
  int code = RunAsWindowsDoes();
  EXPECT_EQ(code, 0);
  ASSERT_EQ(messages.Messages().size(), 2u);
  EXPECT_BYTES(messages.Messages()[0].text, uninstall::kQuestion);
  EXPECT_EQ(messages.Messages()[0].type, static_cast<UINT>(MB_OKCANCEL));
  EXPECT_BYTES(messages.Messages()[1].text, uninstall::kRemovedAll);
  EXPECT_EQ(messages.Messages()[1].type, static_cast<UINT>(MB_OK));
  for (const auto& shown : messages.Messages()) {
    EXPECT_BYTES(shown.caption, uninstall::kCaption);
    EXPECT_EQ(shown.owner, nullptr);
  }

  // Files: only the library in the Java runtime stays. Registry: the open
  // command is gone with the keys it leaves empty, and so is the DDE key
  // the setup program deleted; the edit verb stays.
  std::vector<std::string> expectedFiles = {"+ " + kJavaExt + "\\jh.jar=file jh.jar"};
  EXPECT_EQ(Difference(filesBefore, files.Dump()), expectedFiles);
  for (const auto& change : Difference(registryBefore, registry.Dump())) {
    EXPECT_EQ(change.rfind("- HKEY_CLASSES_ROOT\\xmlfile\\shell\\open", 0), 0u) << change;
  }
  EXPECT_TRUE(registry.KeyExists("HKEY_CLASSES_ROOT\\xmlfile\\shell\\edit\\command"));
  EXPECT_FALSE(registry.KeyExists(kXmlCommandKey));
  EXPECT_EQ(registry.OpenHandleCount(), 0);
  EXPECT_EQ(reader.ComDepth(), 0);
  EXPECT_EQ(reader.LiveObjects(), 0);
  EXPECT_TRUE(handover.OpenHandles().empty());
}

TEST_F(Uninstall, TheFinisherIsACopyInAFolderOfItsOwnThatInheritsAndDeletesItself) {
  Install();
  messages.AnswerWith(IDOK);
  handover.QueueRandom("\x01\x23\x45\x67\x89\xAB\xCD\xEF");
  EXPECT_EQ(uninstall::RunUninstaller(ports, kInstall + "\\Uninstall.exe"), 0);
  ASSERT_EQ(process.Starts().size(), 1u);
  const auto& start = process.Starts()[0];
  const std::string folder = "C:\\TEMP\\TessalUninstall0123456789ABCDEF";
  const std::string copy = folder + "\\Uninstall.exe";
  EXPECT_BYTES(start.applicationName, copy);
  EXPECT_EQ(start.commandLine.rfind("\"" + copy + "\" /finish ", 0), 0u) << start.commandLine;
  EXPECT_TRUE(Mentions(start.commandLine, "\"" + kInstall + "\\Uninstall.exe\"")) << start.commandLine;
  EXPECT_TRUE(start.inheritHandles);
  // Not the temporary folder: Windows looks in the current directory for a
  // DLL that its own folders lack.
  EXPECT_BYTES(start.currentDirectory, "C:\\windows\\system32");
  // The original's handle on the copy was opened for deletion at the last
  // close: with no finisher really holding it, closing it deleted the copy.
  // The folder is the copy's to remove.
  EXPECT_FALSE(files.FileExists(copy));
  EXPECT_TRUE(files.MadeWithSecurity(folder));
  EXPECT_TRUE(handover.OpenHandles().empty());
  EXPECT_TRUE(files.FileExists(kInstall + "\\tessal.exe")) << "the original removes nothing itself";
  EXPECT_EQ(messages.Messages().size(), 1u) << "the finisher reports, not the original";
}

TEST_F(Uninstall, CancelTouchesNothing) {
  Install();
  auto filesInstalled = files.Dump();
  auto registryInstalled = registry.Dump();
  EXPECT_EQ(RunAsWindowsDoes(IDCANCEL), 0);
  EXPECT_TRUE(process.Starts().empty());
  EXPECT_EQ(files.Dump(), filesInstalled);
  EXPECT_EQ(registry.Dump(), registryInstalled);
  EXPECT_EQ(messages.Messages().size(), 1u);
}

TEST_F(Uninstall, RefusalsTouchNothingAndAskNothing) {
  struct Row {
    const char* name;
    std::string modulePath;
    bool medium;
    bool installed;
    const char* expectedText;
  } rows[] = {
      {"a folder that holds no installation", "C:\\elsewhere\\Uninstall.exe", false, true, uninstall::kNoInstallation},
      {"nothing installed at all", kInstall + "\\Uninstall.exe", false, false, uninstall::kNoInstallation},
      {"the distribution medium", "C:\\medium\\Uninstall.exe", true, true, uninstall::kNoInstallation},
      {"a network folder", "\\\\server\\tessal\\Uninstall.exe", false, true, uninstall::kUnsupportedPlace},
      {"a path cut at 260 bytes", "C:\\" + std::string(300, 'x') + "\\Uninstall.exe", false, true,
       uninstall::kPathTooLong},
  };
  for (const Row& row : rows) {
    registry = platform::FakeRegistry();
    files = platform::FakeFileSystem();
    messages = platform::FakeMessageBox();
    SetUp();
    if (row.installed) Install();
    if (row.medium)
      for (const char* name : {"Setup.exe", "tessal.jar", "tessal.exe", "boot.ini", "readme.txt", "Uninstall.exe"})
        files.AddFile(std::string("C:\\medium\\") + name, name);
    files.AddFile("C:\\elsewhere\\Uninstall.exe", "copy");
    files.SetModulePath(row.modulePath);
    auto filesThen = files.Dump();
    auto registryThen = registry.Dump();
    EXPECT_EQ(RunAsWindowsDoes(), 1) << row.name;
    ASSERT_EQ(messages.Messages().size(), 1u) << row.name;
    EXPECT_BYTES(LastMessage(), row.expectedText) << row.name;
    EXPECT_EQ(files.Dump(), filesThen) << row.name;
    EXPECT_EQ(registry.Dump(), registryThen) << row.name;
  }
}

TEST_F(Uninstall, WhatOnlyBearsOurNameStaysAndIsNamed) {
  Install();
  const std::string otherTarget = "D:\\tools\\tessal.exe";
  writer.CoInitialize(nullptr);
  engine::CreateShellLink(writer, otherTarget, kDesktop + "\\Tessal.lnk", "D:\\tools");
  writer.CoUninitialize();
  files.AddFile(kSendTo + "\\Tessal.lnk", "not a link");
  files.AddFile(kInstall + "\\notes.txt", "the user's own");
  EXPECT_EQ(RunAsWindowsDoes(), 0);
  const std::string report = LastMessage();
  EXPECT_EQ(report.rfind(uninstall::kRemovedAll, 0), 0u) << report;
  EXPECT_TRUE(Mentions(report, uninstall::kLeftHeading));
  EXPECT_FALSE(Mentions(report, uninstall::kFailedHeading));
  for (const std::string& kept : {kDesktop + "\\Tessal.lnk", kSendTo + "\\Tessal.lnk", kInstall + "\\notes.txt"})
    EXPECT_TRUE(files.FileExists(kept)) << kept;
  EXPECT_TRUE(Mentions(report, kDesktop + "\\Tessal.lnk"));
  EXPECT_TRUE(Mentions(report, kSendTo + "\\Tessal.lnk"));
  EXPECT_TRUE(Mentions(report, kInstall + uninstall::kNotEmptyNote));
  EXPECT_FALSE(files.FileExists(kPrograms + "\\Tessal\\Tessal.lnk"));
  EXPECT_FALSE(files.FileExists(kInstall + "\\tessal.exe"));
}

TEST_F(Uninstall, EntriesThatNameAnotherInstallationStay) {
  Install();
  registry.SetString(kUninstallKey, "UninstallString", "D:\\tessal\\Uninstall.exe");
  registry.SetString(kXmlCommandKey, "", "\"D:\\tessal\\tessal.exe\" \"%1\"");
  EXPECT_EQ(RunAsWindowsDoes(), 0);
  EXPECT_BYTES(registry.ValueData(kUninstallKey, "UninstallString"), std::string("D:\\tessal\\Uninstall.exe") + '\0');
  EXPECT_BYTES(registry.ValueData(kXmlCommandKey, ""), std::string("\"D:\\tessal\\tessal.exe\" \"%1\"") + '\0');
  EXPECT_TRUE(Mentions(LastMessage(), "Uninstall\\Tessal"));
  EXPECT_FALSE(Mentions(LastMessage(), "xmlfile")) << "another program's association is none of ours";
  EXPECT_FALSE(files.FileExists(kInstall + "\\tessal.jar"));
}

TEST_F(Uninstall, WithTheRegistryEntryAlreadyGoneTheRestStillGoes) {
  Install();
  registry.RegDeleteKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tessal");
  EXPECT_EQ(RunAsWindowsDoes(), 0);
  EXPECT_BYTES(LastMessage(), uninstall::kRemovedAll);
  EXPECT_EQ(files.GetFileAttributesA(kInstall.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_FALSE(files.FileExists(kDesktop + "\\Tessal.lnk"));
}

// Whatever had to be left, Uninstall.exe and its entry stay with it, so that
// running the uninstaller again from the list of programs finishes the job.
TEST_F(Uninstall, AFailedRemovalIsReportedNeverCalledSuccessAndTheUninstallerStays) {
  struct Row {
    const char* name;
    void (*spoil)(UninstallMachine&);
    std::string stillThere;
    void (*mend)(UninstallMachine&);  // what the user does before the second run, or nullptr
  } rows[] = {
      {"read-only product file",
       [](UninstallMachine& m) {
         m.files.SetFileAttributesA((kInstall + "\\boot.ini").c_str(), FILE_ATTRIBUTE_READONLY);
       },
       kInstall + "\\boot.ini",
       [](UninstallMachine& m) {
         m.files.SetFileAttributesA((kInstall + "\\boot.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
       }},
      {"read-only uninstaller",
       [](UninstallMachine& m) {
         m.files.SetFileAttributesA((kInstall + "\\Uninstall.exe").c_str(), FILE_ATTRIBUTE_READONLY);
       },
       kInstall + "\\Uninstall.exe",
       [](UninstallMachine& m) {
         m.files.SetFileAttributesA((kInstall + "\\Uninstall.exe").c_str(), FILE_ATTRIBUTE_NORMAL);
       }},
      {"shortcut folder refuses writing", [](UninstallMachine& m) { m.files.DenyWrite(kDesktop); },
       kDesktop + "\\Tessal.lnk", nullptr},
      {"uninstall entry refuses deletion", [](UninstallMachine& m) { m.registry.DenyWrite(kUninstallKey); }, "",
       nullptr},
  };
  for (const Row& row : rows) {
    registry = platform::FakeRegistry();
    files = platform::FakeFileSystem();
    messages = platform::FakeMessageBox();
    SetUp();
    Install();
    row.spoil(*this);
    EXPECT_EQ(RunAsWindowsDoes(), 1) << row.name;
    const std::string report = LastMessage();
    EXPECT_EQ(report.rfind(uninstall::kNotAllRemoved, 0), 0u) << row.name;
    EXPECT_FALSE(Mentions(report, uninstall::kRemovedAll)) << row.name;
    EXPECT_TRUE(Mentions(report, uninstall::kFailedHeading)) << row.name;
    EXPECT_EQ(Mentions(report, kInstall + uninstall::kNotEmptyNote), false) << row.name << ": no user's file here";
    if (!row.stillThere.empty()) {
      EXPECT_TRUE(files.FileExists(row.stillThere)) << row.name;
      EXPECT_TRUE(Mentions(report, row.stillThere)) << row.name;
    } else {
      EXPECT_TRUE(registry.KeyExists(kUninstallKey)) << row.name;
    }
    EXPECT_FALSE(files.FileExists(kInstall + "\\tessal.jar")) << row.name << ": the rest still goes";
    EXPECT_TRUE(files.FileExists(kInstall + "\\Uninstall.exe")) << row.name;
    EXPECT_TRUE(registry.KeyExists(kUninstallKey)) << row.name;
    if (!row.mend) continue;
    row.mend(*this);
    EXPECT_EQ(RunAsWindowsDoes(), 0) << row.name << ": the second run";
    EXPECT_BYTES(LastMessage(), uninstall::kRemovedAll) << row.name;
    const std::vector<std::string> libraryOnly = {"+ " + kJavaExt + "\\jh.jar=file jh.jar"};
    EXPECT_EQ(Difference(filesBefore, files.Dump()), libraryOnly) << row.name;
    EXPECT_FALSE(registry.KeyExists(kUninstallKey)) << row.name;
  }
}

TEST_F(Uninstall, ALibraryInTheInstallFolderGoesOneInTheJavaRuntimeStays) {
  Install(kInstall, false);
  files.AddFile(kJavaExt + "\\jh.jar", "another program's copy");
  EXPECT_EQ(RunAsWindowsDoes(), 0);
  EXPECT_FALSE(files.FileExists(kInstall + "\\jh.jar"));
  EXPECT_TRUE(files.FileExists(kJavaExt + "\\jh.jar"));
}

TEST_F(Uninstall, WithoutAFinisherTheProgramRemovesTheRestAndNamesItsOwnFile) {
  Install();
  process.FailCreationWith(ERROR_ACCESS_DENIED);
  EXPECT_EQ(RunAsWindowsDoes(), 1);
  const std::string report = LastMessage();
  EXPECT_EQ(report.rfind(uninstall::kNotAllRemoved, 0), 0u) << report;
  EXPECT_TRUE(Mentions(report, kInstall + "\\Uninstall.exe"));
  EXPECT_TRUE(files.FileExists(kInstall + "\\Uninstall.exe"));
  EXPECT_FALSE(files.FileExists(kInstall + "\\tessal.exe"));
  // The fake's first random bits count up from 0.
  EXPECT_EQ(files.GetFileAttributesA("C:\\TEMP\\TessalUninstall0001020304050607"), INVALID_FILE_ATTRIBUTES)
      << "the unused copy and its folder are gone";
  EXPECT_TRUE(registry.KeyExists(kUninstallKey)) << "the entry stays with the program it starts";
  EXPECT_TRUE(handover.OpenHandles().empty());
}

TEST_F(Uninstall, AFinisherStartedWithoutItsArgumentsTouchesNothing) {
  Install();
  auto filesThen = files.Dump();
  const std::string copy = "\"C:\\TEMP\\TessalUninstall1.exe\" ";
  EXPECT_EQ(uninstall::RunUninstaller(ports, copy + "/finish 12 16 20 \"C:\\Windows\\explorer.exe\""), 1);
  EXPECT_BYTES(LastMessage(), uninstall::kBadStart);
  EXPECT_EQ(uninstall::RunUninstaller(ports, copy + "/finish 12 16 20 \"C:\\elsewhere\\Uninstall.exe\""), 1);
  EXPECT_BYTES(LastMessage(), uninstall::kNoInstallation);
  EXPECT_EQ(files.Dump(), filesThen);
}

TEST_F(Uninstall, FoldersOfWindowsAndOfTheUserAreKnownInEveryView) {
  const std::string currentVersion = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
  registry.SetString(currentVersion, "ProgramW6432Dir", "D:\\Programme");
  system.SetFolder(CSIDL_COMMON_APPDATA, "C:\\ソ");  // ソ is 83 5C
  registry.SetString("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders",
                     "{374DE290-123F-4565-9164-39C4925E467B}", "%USERPROFILE%\\表ダウンロード");
  system.SetVariable("USERPROFILE", kProfile);
  const uninstall::ProtectedFolders known = uninstall::FoldersNeverRemoved(ports);
  struct Row {
    const char* name;
    std::string folder;
    bool isProtected;
  } rows[] = {
      {"Documents", kDocuments, true},
      {"Documents with a trailing backslash", kDocuments + "\\", true},
      {"Documents in other case", "c:\\USERS\\user\\documents", true},
      {"a folder in Documents", kDocuments + "\\tessal", false},
      {"the profile", kProfile, true},
      {"Downloads as the registry names it", kProfile + "\\表ダウンロード", true},
      {"the profile's own Downloads", kProfile + "\\Downloads", true},
      {"Windows", "C:\\WINDOWS", true},
      {"Program Files", "C:\\Program Files\\", true},
      {"the other view's Program Files", "d:\\programme", true},
      {"the temporary folder", "C:\\TEMP", true},
      {"a shell folder the setup program reads", kSendTo, true},
      {"a folder ending in a trail byte", "C:\\ソ", true},
      {"that folder with a backslash", "C:\\ソ\\", true},
      {"not its parent", "C:\\", true},  // a drive's root, though
      {"another drive's root", "E:", true},
      {"the install folder", kInstall, false},
  };
  for (const Row& row : rows) EXPECT_EQ(uninstall::IsProtected(known, row.folder), row.isProtected) << row.name;
}

TEST_F(Uninstall, AFolderOfWindowsOrOfTheUserStaysWithoutAFailure) {
  for (const std::string& folder : {kDocuments, std::string("C:\\windows")}) {
    registry = platform::FakeRegistry();
    files = platform::FakeFileSystem();
    messages = platform::FakeMessageBox();
    SetUp();
    Install(folder);
    EXPECT_EQ(RunAsWindowsDoes(), 0) << folder;
    EXPECT_BYTES(LastMessage(), uninstall::kRemovedAll) << folder;
    EXPECT_NE(files.GetFileAttributesA(folder.c_str()), INVALID_FILE_ATTRIBUTES) << folder << " stays";
    EXPECT_FALSE(files.FileExists(folder + "\\tessal.exe")) << folder;
    EXPECT_FALSE(files.FileExists(folder + "\\Uninstall.exe")) << folder;
    EXPECT_FALSE(registry.KeyExists(kUninstallKey)) << folder;
  }
  EXPECT_TRUE(files.FileExists("C:\\windows\\win.ini"));
}

// A second instance shows no message box of its own, which would keep
// Uninstall.exe busy while it waits: it brings the first one's window to
// the front, a visible one with the caption, of another process.
TEST_F(Uninstall, ASecondInstanceShowsTheFirstAndChangesNothing) {
  Install();
  HANDLE first = handover.CreateMutexA(nullptr, FALSE, "Global\\TessalUninstall");
  const DWORD other = 0x2000;
  windows.OpenWindow(uninstall::kCaption, other, true);
  HWND firstQuestion = windows.OpenWindow(uninstall::kCaption, other, true);
  windows.OpenWindow(uninstall::kCaption, other, false);                                     // hidden
  windows.OpenWindow(std::string(uninstall::kCaption) + " 2", other, true);                  // another title
  windows.OpenWindow(uninstall::kCaption, platform::FakeWindowSearch::kOwnProcessId, true);  // its own
  auto filesThen = files.Dump();
  auto registryThen = registry.Dump();
  const std::string log = "C:\\un.log";
  EXPECT_EQ(RunAsWindowsDoes(IDOK, " /LOG=\"" + log + "\""), 1);
  EXPECT_TRUE(messages.Messages().empty()) << "no message box, no question";
  EXPECT_EQ(windows.Foreground(), firstQuestion) << "the topmost of the first's windows";
  EXPECT_TRUE(
      Mentions(files.FileContent(log).value_or(""), uninstall::kLogRefused + std::string(uninstall::kAlreadyRunning)));
  EXPECT_EQ(RunAsWindowsDoes(IDOK, " /SILENT"), 5);
  EXPECT_TRUE(messages.Messages().empty());
  EXPECT_TRUE(process.Starts().empty());
  files.DeleteFileA(log.c_str());
  EXPECT_EQ(files.Dump(), filesThen);
  EXPECT_EQ(registry.Dump(), registryThen);
  handover.CloseHandle(first);
  EXPECT_EQ(RunAsWindowsDoes(), 0) << "once the first has ended";
}

// Silent: no message; the original removes all but its own file, which its
// finisher (told so by /SILENT) removes with the folder after it has ended.
TEST_F(Uninstall, SilentlyTheExitCodeAndTheLogSayWhatWasDone) {
  const std::string log = "C:\\logs\\un.log";
  struct Row {
    const char* name;
    bool installed;
    bool readOnly;
    int code;
  } rows[] = {
      {"everything removed", true, false, 0},
      {"a read-only file left", true, true, 5},
      {"no installation", false, false, 2},
  };
  for (const Row& row : rows) {
    registry = platform::FakeRegistry();
    files = platform::FakeFileSystem();
    messages = platform::FakeMessageBox();
    process = platform::FakeProcess();
    SetUp();
    files.AddFile(log, "earlier run\r\n");
    if (row.installed) Install();
    files.AddFile(kInstall + "\\Uninstall.exe", "file Uninstall.exe");
    files.SetModulePath(kInstall + "\\Uninstall.exe");
    if (row.readOnly) files.SetFileAttributesA((kInstall + "\\readme.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    const std::string switches = " /silent /LOG=\"" + log + "\"";
    EXPECT_EQ(RunAsWindowsDoes(IDCANCEL, switches), row.code) << row.name;
    EXPECT_TRUE(messages.Messages().empty()) << row.name;
    const std::string text = files.FileContent(log).value_or("");
    const std::string start =
        "earlier run\r\n" + std::string(uninstall::kLogStart) + kInstall + "\\Uninstall.exe" + switches + "\r\n";
    EXPECT_EQ(text.rfind(start, 0), 0u) << row.name << ": " << text;
    const std::string end = uninstall::kLogExitCode + std::to_string(row.code) + "\r\n";
    EXPECT_EQ(text.size() >= end.size() ? text.substr(text.size() - end.size()) : "", end) << row.name;
    if (row.code == 0) {
      EXPECT_TRUE(Mentions(text, uninstall::kLogRemoved + kInstall + "\\tessal.jar\r\n"));
      EXPECT_TRUE(Mentions(text, uninstall::kLogAfterExit + kInstall + "\\Uninstall.exe\r\n"));
      ASSERT_EQ(process.Starts().size(), 1u);
      EXPECT_TRUE(Mentions(process.Starts()[0].commandLine, "\\Uninstall.exe\" /SILENT")) << "only its file is left";
      const std::vector<std::string> libraryOnly = {"+ " + kJavaExt + "\\jh.jar=file jh.jar"};
      auto changed = Difference(filesBefore, files.Dump());
      std::erase_if(changed, [&](const std::string& line) { return line.rfind("+ C:\\logs", 0) == 0; });
      EXPECT_EQ(changed, libraryOnly) << "the finisher removed the file and the folder";
      EXPECT_FALSE(registry.KeyExists(kUninstallKey));
    } else if (row.readOnly) {
      EXPECT_TRUE(Mentions(text, uninstall::kLogFailed + kInstall + "\\readme.txt" + uninstall::kReadOnlyNote));
      EXPECT_TRUE(Mentions(text, uninstall::kLogKept + kInstall + "\\Uninstall.exe\r\n"));
      EXPECT_TRUE(Mentions(text, uninstall::kLogKept + kUninstallKey + "\r\n"));
      EXPECT_TRUE(process.Starts().empty());
      EXPECT_TRUE(registry.KeyExists(kUninstallKey));
    } else {
      EXPECT_TRUE(Mentions(text, uninstall::kLogRefused + std::string(uninstall::kNoInstallation)));
    }
  }
}

TEST_F(Uninstall, AWrongCommandLineChangesNothingAndAsksNothingWhenSilent) {
  Install();
  auto filesThen = files.Dump();
  auto registryThen = registry.Dump();
  for (const char* switches : {" /SILENT /LOG", " /SILENT /SILENT", " /SILENT /QUIET", " /LOG=\"C:\\a.log\" /x"}) {
    EXPECT_EQ(RunAsWindowsDoes(IDOK, switches), 1) << switches;
  }
  ASSERT_EQ(messages.Messages().size(), 1u) << "only the run without /SILENT says so";
  EXPECT_BYTES(LastMessage(), uninstall::kBadStart);
  EXPECT_TRUE(process.Starts().empty());
  EXPECT_EQ(files.Dump(), filesThen);
  EXPECT_EQ(registry.Dump(), registryThen);
}

}  // namespace
}  // namespace uninstall_test
