// The unattended install against fakes: its exit codes, what it changes for
// each, the uninstall entry's values, and the log it appends to.
#include "setup/engine/silent_install.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "platform/fake/fake_append_file.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_shell_links.h"
#include "platform/program_name.h"
#include "tests/support/bytes.h"

namespace {

const std::string kInstall = "C:\\Program Files\\tessal";
const std::string kUninstallKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tessal";
const std::string kJavaKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\JavaSoft\\Java Runtime Environment";
const std::string kLog = "C:\\logs\\setup.log";

class SilentInstall : public ::testing::Test {
 public:  // the table's set-up steps reach in
  platform::FakeRegistry registry;
  platform::FakeFileSystem files;
  platform::FakeShellLinks links{files};
  platform::FakeAppendFile appender{files};
  engine::ShellPorts ports{registry, files, links};

  void SetUp() override {
    files.AddDrive('D');
    files.SetModulePath("D:\\medium\\Setup.exe");
    // 5,000 bytes in all: 5 KiB once rounded up.
    for (const char* name : {"tessal.jar", "tessal.exe", "boot.ini", "readme.txt", "Uninstall.exe", "jh.jar"})
      files.AddFile(std::string("D:\\medium\\") + name, std::string(std::strcmp(name, "tessal.jar") ? 500 : 2500, 'x'));
    registry.SetString("HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir",
                       "C:\\Program Files");
    files.AddFolder("C:\\Program Files");
    registry.SetString(kJavaKey, "CurrentVersion", "1.8");
    registry.SetString(kJavaKey + "\\1.8", "JavaHome", "C:\\Java\\jre");
    files.AddFolder("C:\\Java\\jre\\lib\\ext");
    registry.SetString("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                       "Desktop", "C:\\Desktop");
    files.AddFolder("C:\\Desktop");
    files.AddFile(kLog, "earlier run\r\n");
  }

  int Run(const std::string& arguments, platform::Clock* clock = nullptr) {
    const std::string commandLine = "\"D:\\medium\\Setup.exe\" " + arguments;
    engine::SetupCommandLine line =
        engine::ParseSetupCommandLine(platform::ArgumentsAfterProgramName(commandLine, "D:\\medium\\Setup.exe"));
    engine::FileLog log(appender, line.logFile.value_or(""));
    return engine::RunSilentSetup(ports, line, commandLine, line.logFile ? &log : nullptr, clock);
  }
  std::string LogText() const { return files.FileContent(kLog).value_or("<missing>"); }
  bool Logged(const std::string& line) const { return LogText().find("\r\n" + line + "\r\n") != std::string::npos; }
};

TEST_F(SilentInstall, EachOutcomeHasItsExitCodeAndChangesOnlyWhatItReached) {
  const struct {
    const char* name;
    std::function<void(SilentInstall&)> arrange;
    std::string arguments;
    int exitCode;
    std::string folder;   // where the files go, or "" when none is copied
    std::string logLine;  // a line the log must hold
  } rows[] = {
      {"no tasks, proposed folder", nullptr, "", 0, kInstall,
       "Copied: D:\\medium\\tessal.jar -> " + kInstall + "\\tessal.jar (2500 bytes)"},
      {"a task unknown", nullptr, "/TASKS=foo", 1, "", "Command line not valid: unknown task in: foo"},
      {"a drive that is not there", nullptr, "/DIR=Q:\\tessal", 2, "",
       "Install folder could not be created: Q:\\tessal"},
      {"no Program Files: the bare name", [](SilentInstall& t) { t.registry = platform::FakeRegistry(); }, "", 2, "",
       "Install folder could not be created: tessal"},
      {"a file missing from the medium", [](SilentInstall& t) { t.files.DeleteFileA("D:\\medium\\readme.txt"); }, "", 0,
       kInstall, "Skipped, not on the medium: D:\\medium\\readme.txt"},
      {"a copy that fails", [](SilentInstall& t) { t.files.AddFolder(kInstall + "\\boot.ini"); }, "", 3, kInstall,
       "Copy failed (error 5): D:\\medium\\boot.ini -> " + kInstall + "\\boot.ini"},
      {"no Java runtime",
       [](SilentInstall& t) {
         t.registry = platform::FakeRegistry();
         t.registry.SetString("HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir",
                              "C:\\Program Files");
       },
       "", 0, kInstall, "Going on without a usable Java runtime: jh.jar into the install folder"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    registry = platform::FakeRegistry();
    files = platform::FakeFileSystem();
    SetUp();
    if (row.arrange) row.arrange(*this);
    EXPECT_EQ(Run("/SILENT /LOG=" + kLog + " " + row.arguments), row.exitCode);
    EXPECT_TRUE(Logged(row.logLine)) << LogText();
    EXPECT_EQ(LogText().rfind("earlier run\r\nSetup started: \"D:\\medium\\Setup.exe\" /SILENT", 0), 0u)
        << "appended: " << LogText();
    EXPECT_TRUE(LogText().ends_with("\r\nExit code: " + std::to_string(row.exitCode) + "\r\n")) << LogText();
    EXPECT_EQ(files.FileExists(row.folder + "\\tessal.jar"), !row.folder.empty());
    EXPECT_EQ(registry.KeyExists(kUninstallKey), row.exitCode == 0);
  }
}

TEST_F(SilentInstall, AllTasksAndTheEntryThatTheListOfProgramsShows) {
  registry.SetString("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                     "Programs", "C:\\Programs");
  registry.SetString("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                     "SendTo", "C:\\SendTo");
  files.AddFolder("C:\\Programs");
  files.AddFolder("C:\\SendTo");
  EXPECT_EQ(Run("/SILENT /TASKS=sendto,xml,startmenu,desktop \"/DIR=C:\\表 ソフト\" /LOG=" + kLog), 0);
  const std::string folder = "C:\\表 ソフト";
  for (const char* link : {"C:\\Programs\\Tessal\\Tessal.lnk", "C:\\Desktop\\Tessal.lnk", "C:\\SendTo\\Tessal.lnk"}) {
    ASSERT_TRUE(links.LinkAt(link).has_value()) << link;
    EXPECT_BYTES(links.LinkAt(link)->target, folder + "\\tessal.exe");
    EXPECT_TRUE(Logged(std::string("Shortcut written: ") + link + " -> " + folder + "\\tessal.exe"));
  }
  EXPECT_BYTES(registry.ValueData("HKEY_CLASSES_ROOT\\xmlfile\\shell\\open\\command", ""),
               "\"" + folder + "\\tessal.exe\" \"%1\"" + '\0');
  const struct {
    const char* name;
    DWORD type;
    std::string data;
  } values[] = {
      {"DisplayName", REG_SZ, std::string("Tessal") + '\0'},
      {"UninstallString", REG_SZ, folder + "\\Uninstall.exe" + '\0'},
      {"DisplayIcon", REG_SZ, folder + "\\tessal.exe" + '\0'},
      {"DisplayVersion", REG_SZ, std::string("1.2.0.0") + '\0'},
      {"InstallLocation", REG_SZ, folder + '\0'},
      {"EstimatedSize", REG_DWORD, std::string("\x05\0\0\0", 4)},
      {"NoModify", REG_DWORD, std::string("\x01\0\0\0", 4)},
      {"NoRepair", REG_DWORD, std::string("\x01\0\0\0", 4)},
      {"QuietUninstallString", REG_SZ, "\"" + folder + "\\Uninstall.exe\" /SILENT" + '\0'},
  };
  for (const auto& value : values) {
    DWORD type = REG_NONE;
    EXPECT_BYTES(registry.ValueData(kUninstallKey, value.name, &type), value.data) << value.name;
    EXPECT_EQ(type, value.type) << value.name;
  }
  EXPECT_TRUE(
      Logged("Registry value written: HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tessal"
             "\\EstimatedSize = 5 (REG_DWORD)"));
}

TEST_F(SilentInstall, ALogThatCannotBeWrittenEndsItBeforeAnythingIsChanged) {
  EXPECT_EQ(Run("/SILENT /LOG=C:\\missing\\setup.log"), 4);
  EXPECT_FALSE(files.FileExists(kInstall + "\\tessal.jar"));
  EXPECT_FALSE(registry.KeyExists(kUninstallKey));
}

// What `make bench` reads: the copy stage's own time, after the last copy
// and before the shortcuts, with the bytes it copied.
TEST_F(SilentInstall, WithAClockTheLogStatesTheCopyStagesTime) {
  platform::FakeClock clock(2500);
  EXPECT_EQ(Run("/SILENT /TASKS=desktop /LOG=" + kLog, &clock), 0);
  const std::string log = LogText();
  const auto timed = log.find("\r\nCopy stage: 2.5 ms for 5000 bytes\r\n");
  ASSERT_NE(timed, std::string::npos) << log;
  EXPECT_LT(log.rfind("Copied: "), timed);
  EXPECT_GT(log.find("Shortcut written: "), timed);
}

}  // namespace
