// The real tessal.exe under Wine: installed in a folder with blanks and
// Japanese in its name, started from another current directory, with a
// recording stand-in as the Java runtime. What the stand-in recorded and
// what each message box shows are compared byte for byte.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "tests/e2e/driver/driver.h"
#include "tests/e2e/launcher/standard_icon.h"
#include "tests/support/bytes.h"
#include "tests/unit/launcher/expected_texts.h"

namespace {

const std::string kInstall = "C:\\Program Files\\Tessal エディタ 表示";
const std::string kLauncher = kInstall + "\\tessal.exe";
const std::string kArchive = kInstall + "\\tessal.jar";
const std::string kJavaRoot = "C:\\Java Runtime";
const std::string kJavaHome = kJavaRoot + "\\jre 1.4";
const std::string kJavaw = kJavaHome + "\\bin\\javaw.exe";
const std::string kWorkFolder = "C:\\作業 フォルダ";
const std::string kRecord = "C:\\stand_in_record.txt";
const std::string kRuntimeKey = "SOFTWARE\\JavaSoft\\Java Runtime Environment";

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

bool SixtyFourBitWindows() {
  BOOL wow64 = FALSE;
  return ::IsWow64Process(::GetCurrentProcess(), &wow64) && wow64;
}

// A string of a REGEDIT4 file: backslashes and quotes escaped, the 0x5C
// trail byte of a double-byte character left as it is.
std::string RegFileString(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (::IsDBCSLeadByte(static_cast<BYTE>(text[i])) && i + 1 < text.size()) {
      out += text[i];
      out += text[++i];
      continue;
    }
    if (text[i] == '\\' || text[i] == '"') out += '\\';
    out += text[i];
  }
  return out;
}

long RunReg(const std::string& arguments) {
  e2e::Started reg = e2e::Start("reg.exe " + arguments, "C:\\");
  if (!reg.ok()) return -1;
  long rc = e2e::WaitForExit(reg, 30000);
  ::CloseHandle(reg.process);
  return rc;
}

// A runtime registered under SOFTWARE\JavaSoft\KEY (CurrentVersion "9",
// its JavaHome) in one view of a 64-bit Windows. The 64-bit view is seeded
// by the system's reg.exe, not through the flag the launcher uses.
void RegisterIn(const std::string& key, const std::string& home, bool view64) {
  ASSERT_TRUE(SixtyFourBitWindows()) << "runs in a 64-bit prefix";
  const std::string path = "SOFTWARE\\JavaSoft\\" + key;
  if (!view64) {
    ASSERT_TRUE(e2e::SetRegString(HKEY_LOCAL_MACHINE, path, "CurrentVersion", "9"));
    ASSERT_TRUE(e2e::SetRegString(HKEY_LOCAL_MACHINE, path + "\\9", "JavaHome", home));
    return;
  }
  const bool seenBefore = e2e::RegKeyExists(HKEY_LOCAL_MACHINE, path);
  const std::string file = "C:\\view64.reg";
  ASSERT_TRUE(e2e::WriteFile(file, "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\" + path +
                                       "]\r\n\"CurrentVersion\"=\"9\"\r\n\r\n" + "[HKEY_LOCAL_MACHINE\\" + path +
                                       "\\9]\r\n\"JavaHome\"=\"" + RegFileString(home) + "\"\r\n"));
  ASSERT_EQ(RunReg("import " + file + " /reg:64"), 0);
  ::DeleteFileA(file.c_str());
  EXPECT_EQ(e2e::RegKeyExists(HKEY_LOCAL_MACHINE, path), seenBefore) << "seeded into the 32-bit view";
}

class LauncherE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(e2e::MakeFolders(kInstall));
    ASSERT_TRUE(e2e::MakeFolders(kJavaHome + "\\bin"));
    ASSERT_TRUE(e2e::MakeFolders(kWorkFolder));
    ASSERT_TRUE(::CopyFileA(e2e::WindowsPath(TESSAL_EXE).c_str(), kLauncher.c_str(), FALSE));
    ASSERT_TRUE(::CopyFileA(e2e::WindowsPath(TESSAL_STAND_IN_JAVA).c_str(), kJavaw.c_str(), FALSE));
    ASSERT_TRUE(e2e::WriteFile(kArchive, "PK"));
    RegisterRuntime("1.4", kJavaHome);
    ::DeleteFileA(kRecord.c_str());
    ::SetEnvironmentVariableA("TESSAL_STAND_IN_RECORD", kRecord.c_str());
    ::SetEnvironmentVariableA("TESSAL_STAND_IN_WINDOW", nullptr);
    savedPath_ = e2e::Environment("PATH");
  }

  void TearDown() override {
    ::SetEnvironmentVariableA("JAVA_HOME", nullptr);
    ::SetEnvironmentVariableA("PATH", savedPath_.c_str());
    e2e::RemoveTree(kInstall);
    e2e::RemoveTree(kJavaRoot);
    e2e::RemoveTree(kWorkFolder);
    e2e::DeleteRegTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\JavaSoft");
    if (SixtyFourBitWindows()) RunReg("delete HKLM\\SOFTWARE\\JavaSoft /f /reg:64");
    e2e::DeleteRegTree(HKEY_CLASSES_ROOT, ".jar");
    e2e::DeleteRegTree(HKEY_CLASSES_ROOT, "TessalE2E.jarfile");
    ::DeleteFileA(kRecord.c_str());
  }

  static void RegisterRuntime(const std::string& version, const std::string& home) {
    ASSERT_TRUE(e2e::SetRegString(HKEY_LOCAL_MACHINE, kRuntimeKey, "CurrentVersion", version));
    ASSERT_TRUE(e2e::SetRegString(HKEY_LOCAL_MACHINE, kRuntimeKey + "\\" + version, "JavaHome", home));
  }

  // Starts the launcher from the work folder; arguments as a shell writes them.
  e2e::Started StartLauncher(const std::string& arguments) {
    e2e::Started started = e2e::Start(Quoted(kLauncher) + arguments, kWorkFolder);
    EXPECT_TRUE(started.ok());
    return started;
  }

  // A stand-in javaw.exe at that path.
  static void InstallJava(const std::string& javaw) {
    ASSERT_TRUE(e2e::MakeFolders(javaw.substr(0, javaw.rfind('\\'))));
    ASSERT_TRUE(::CopyFileA(e2e::WindowsPath(TESSAL_STAND_IN_JAVA).c_str(), javaw.c_str(), FALSE));
  }

  // Which javaw.exe the launcher started, without documents.
  std::string StartedJava() {
    ::DeleteFileA(kRecord.c_str());
    e2e::Started launcher = StartLauncher("");
    if (e2e::WaitForExit(launcher, 15000) != 0) e2e::Kill(launcher);  // a message box instead of a start
    ::CloseHandle(launcher.process);
    const std::string record = WaitForRecord(5000);
    return record.size() > 1 && record[0] == '"' ? record.substr(1, record.find('"', 1) - 1) : record;
  }

  std::string savedPath_;

  // What the stand-in recorded, once it has; "<nothing>" after the wait.
  static std::string WaitForRecord(DWORD timeoutMs = 15000) {
    for (DWORD waited = 0; waited < timeoutMs; waited += 100) {
      if (e2e::FileExists(kRecord)) return e2e::ReadFile(kRecord);
      ::Sleep(100);
    }
    return "<nothing>";
  }
};

struct StartCase {
  const char* name;
  const char* bootIni;  // nullptr: no boot.ini
  std::string arguments;
  std::string expectedTail;  // what follows the quoted archive path
  std::string expectedOptions;
};

class LauncherStarts : public LauncherE2E, public ::testing::WithParamInterface<StartCase> {};

TEST_P(LauncherStarts, TheRuntimeWithTheExactCommandLineInItsFolder) {
  const StartCase& row = GetParam();
  if (row.bootIni) {
    ASSERT_TRUE(e2e::WriteFile(kInstall + "\\boot.ini", row.bootIni));
  }
  e2e::Started launcher = StartLauncher(row.arguments);
  EXPECT_EQ(e2e::WaitForExit(launcher, 30000), 0);
  ::CloseHandle(launcher.process);

  std::string expected = Quoted(kJavaw) + " " + row.expectedOptions + " -jar " + Quoted(kArchive) + " " +
                         row.expectedTail + "\n" + kInstall;
  EXPECT_BYTES(WaitForRecord(), expected);
  std::printf("recorded: %s\n", e2e::ReadFile(kRecord).c_str());
}

INSTANTIATE_TEST_SUITE_P(
    Launcher, LauncherStarts,
    ::testing::Values(StartCase{"NoDocumentsNoBootIni", nullptr, "", "", ""},
                      StartCase{"OneDocumentTwoQuotedOptions", "[BOOT]\r\nOption=\"-Xmx64m -Dtessal.dir=C:\\表示\"\r\n",
                                " \"C:\\文書 フォルダ\\会議 資料.xml\"", "\"C:\\文書 フォルダ\\会議 資料.xml\"",
                                "-Xmx64m -Dtessal.dir=C:\\表示"},
                      StartCase{"ThreeDocuments", "[boot]\r\noption=-client\r\n",
                                " \"C:\\a b\\ソフト.xml\" C:\\plain.xml \"D:\\表 示\\c.xml\"",
                                "\"C:\\a b\\ソフト.xml\" \"C:\\plain.xml\" \"D:\\表 示\\c.xml\"", "-client"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LauncherE2E, AJarAssociationIsUsedWithoutTheRegistry) {
  e2e::DeleteRegTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\JavaSoft");
  const std::string associated = "C:\\Java Runtime\\Other Java\\javaw.exe";
  ASSERT_TRUE(e2e::MakeFolders("C:\\Java Runtime\\Other Java"));
  ASSERT_TRUE(::CopyFileA(kJavaw.c_str(), associated.c_str(), FALSE));
  ASSERT_TRUE(e2e::SetRegString(HKEY_CLASSES_ROOT, ".jar", "", "TessalE2E.jarfile"));
  ASSERT_TRUE(e2e::SetRegString(HKEY_CLASSES_ROOT, "TessalE2E.jarfile\\shell\\open\\command", "",
                                Quoted(associated) + " -jar \"%1\" %*"));
  e2e::Started launcher = StartLauncher(" C:\\x.xml");
  EXPECT_EQ(e2e::WaitForExit(launcher, 30000), 0);
  ::CloseHandle(launcher.process);
  EXPECT_BYTES(WaitForRecord(), Quoted(associated) + "  -jar " + Quoted(kArchive) + " \"C:\\x.xml\"\n" + kInstall);
  std::printf("recorded: %s\n", e2e::ReadFile(kRecord).c_str());
  EXPECT_FALSE(e2e::RegKeyExists(HKEY_LOCAL_MACHINE, kRuntimeKey));
}

TEST_F(LauncherE2E, TheStandInCanShowTheApplicationWindow) {
  ::SetEnvironmentVariableA("TESSAL_STAND_IN_WINDOW", "1");
  e2e::Started launcher = StartLauncher("");
  EXPECT_EQ(e2e::WaitForExit(launcher, 30000), 0);
  ::CloseHandle(launcher.process);
  HWND window = e2e::WaitForTopLevel("Tessal - stand-in");
  ASSERT_NE(window, nullptr);
  ::PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(e2e::WaitUntilGone(window));
}

TEST_F(LauncherE2E, AtADriveRootTheRuntimeRunsInTheRoot) {
  ASSERT_TRUE(::CopyFileA(kLauncher.c_str(), "C:\\tessal.exe", FALSE));
  ASSERT_TRUE(e2e::WriteFile("C:\\tessal.jar", "PK"));
  e2e::Started launcher = e2e::Start("C:\\tessal.exe", kWorkFolder);
  ASSERT_TRUE(launcher.ok());
  EXPECT_EQ(e2e::WaitForExit(launcher, 30000), 0);
  ::CloseHandle(launcher.process);
  EXPECT_BYTES(WaitForRecord(), Quoted(kJavaw) + "  -jar \"C:\\tessal.jar\" \nC:\\");
  ::DeleteFileA("C:\\tessal.exe");
  ::DeleteFileA("C:\\tessal.jar");
}

// 145 double-byte characters: GetModuleFileNameA into 260 bytes cuts the
// launcher's path after 259 of them, before a whole character, and says
// nothing; the cut path's folder holds an archive of its own.
TEST_F(LauncherE2E, ACutOwnPathEndsSilently) {
  std::string deep = "C:\\tools\\";
  for (int i = 0; i < 145; ++i) deep += "あ";
  ASSERT_TRUE(e2e::MakeFolders(deep));
  ASSERT_TRUE(::CopyFileA(kLauncher.c_str(), (deep + "\\tessal.exe").c_str(), FALSE));
  ASSERT_TRUE(e2e::WriteFile(deep + "\\tessal.jar", "PK"));
  ASSERT_TRUE(e2e::WriteFile("C:\\tools\\tessal.jar", "PK"));
  e2e::Started launcher = e2e::Start(Quoted(deep + "\\tessal.exe"), kWorkFolder);
  ASSERT_TRUE(launcher.ok());
  EXPECT_EQ(e2e::WaitForExit(launcher, 30000), 0) << "a message box or a splash is up";
  ::CloseHandle(launcher.process);
  EXPECT_EQ(WaitForRecord(2000), "<nothing>") << "started with another folder's archive";
  e2e::RemoveTree("C:\\tools");
}

struct FailureCase {
  const char* name;
  std::function<void()> arrange;
  const char* message;
};

class LauncherFails : public LauncherE2E, public ::testing::WithParamInterface<FailureCase> {
 protected:
  // Which of the keys a runtime lookup reads exist.
  static std::vector<bool> RuntimeKeys() {
    std::vector<bool> present;
    for (const std::string& key : {std::string("SOFTWARE\\JavaSoft"), kRuntimeKey, kRuntimeKey + "\\1.5"})
      present.push_back(e2e::RegKeyExists(HKEY_LOCAL_MACHINE, key));
    return present;
  }
};

TEST_P(LauncherFails, WithOneMessageBoxAndStartsNothing) {
  const FailureCase& row = GetParam();
  row.arrange();
  const std::vector<bool> keysBefore = RuntimeKeys();
  e2e::Started launcher = StartLauncher(" \"C:\\a b.xml\"");

  e2e::MessageBoxSeen box = e2e::WaitForMessageBox();
  ASSERT_NE(box.window, nullptr) << "no message box";
  EXPECT_BYTES(box.caption, expected::kProductName);
  EXPECT_BYTES(box.text, row.message);
  EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
  EXPECT_EQ(::GetWindow(box.window, GW_OWNER), nullptr);
  EXPECT_EQ(launcher_e2e::StandardIconShown(box.window), "exclamation");
  e2e::Screenshot(std::string("launcher_") + row.name);
  EXPECT_TRUE(e2e::Answer(box, IDOK));

  EXPECT_EQ(e2e::WaitForExit(launcher, 15000), 0);
  ::CloseHandle(launcher.process);
  EXPECT_FALSE(e2e::FileExists(kRecord)) << "something was started";
  // A lookup in the registry leaves no runtime key behind.
  EXPECT_EQ(RuntimeKeys(), keysBefore) << "a lookup leaves the registry as it was";
}

INSTANTIATE_TEST_SUITE_P(
    Launcher, LauncherFails,
    ::testing::Values(FailureCase{"ArchiveMissingEvenWithoutJava",
                                  [] {
                                    ::DeleteFileA(kArchive.c_str());
                                    e2e::DeleteRegTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\JavaSoft");
                                  },
                                  expected::kNoArchive},
                      FailureCase{"NoRuntime", [] { e2e::DeleteRegTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\JavaSoft"); },
                                  expected::kNoRuntime},
                      FailureCase{"NoJavaHome",
                                  [] { e2e::SetRegString(HKEY_LOCAL_MACHINE, kRuntimeKey, "CurrentVersion", "1.5"); },
                                  expected::kNoRuntimeHome},
                      FailureCase{"JavawMissing", [] { ::DeleteFileA(kJavaw.c_str()); }, expected::kNoJavaw},
                      // A folder of that name passes the presence test but cannot be started.
                      FailureCase{"NotStarted",
                                  [] {
                                    ::DeleteFileA(kJavaw.c_str());
                                    ::CreateDirectoryA(kJavaw.c_str(), nullptr);
                                  },
                                  expected::kStartFailed}),
    [](const auto& info) { return std::string(info.param.name); });

// The runtimes of today, when the launcher's first lookup fails: these run
// in a 64-bit prefix (the Win64 entry), where the registry has two views.
const std::string kJava64 = kJavaRoot + "\\jre 8 64";
const std::string kJdk64 = kJavaRoot + "\\jdk 21 表";
const std::string kJavaHomeVariable = kJavaRoot + "\\ランタイム 17 表";
const std::string kPathFolder = kJavaRoot + "\\path ソ;1";

// Runtimes of today without a javaw.exe change none of the three messages.
void RuntimesOfTodayWithoutJavaw() {
  RegisterIn("JDK", kJdk64, true);
  RegisterIn("Java Runtime Environment", kJava64, true);
  ::SetEnvironmentVariableA("JAVA_HOME", kJavaHomeVariable.c_str());
  ::SetEnvironmentVariableA("PATH", (e2e::Environment("PATH") + ";\"" + kPathFolder + "\"").c_str());
}

INSTANTIATE_TEST_SUITE_P(Win64, LauncherFails,
                         ::testing::Values(FailureCase{"NoRuntime",
                                                       [] {
                                                         e2e::DeleteRegTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\JavaSoft");
                                                         RuntimesOfTodayWithoutJavaw();
                                                       },
                                                       expected::kNoRuntime},
                                           FailureCase{"NoJavaHome",
                                                       [] {
                                                         e2e::SetRegString(HKEY_LOCAL_MACHINE, kRuntimeKey,
                                                                           "CurrentVersion", "1.5");
                                                         RuntimesOfTodayWithoutJavaw();
                                                       },
                                                       expected::kNoRuntimeHome},
                                           FailureCase{"JavawMissing",
                                                       [] {
                                                         ::DeleteFileA(kJavaw.c_str());
                                                         RuntimesOfTodayWithoutJavaw();
                                                       },
                                                       expected::kNoJavaw}),
                         [](const auto& info) { return std::string(info.param.name); });

struct SourceCase {
  const char* name;
  const char* key;  // below SOFTWARE\JavaSoft, or nullptr
  bool view64;
  const char* variable;  // or nullptr
  std::string value;     // JavaHome, or the variable's value
  std::string javaw;
};

class LauncherFindsJava : public LauncherE2E, public ::testing::WithParamInterface<SourceCase> {};

TEST_P(LauncherFindsJava, FromThisSourceAlone) {
  const SourceCase& row = GetParam();
  e2e::DeleteRegTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\JavaSoft");
  InstallJava(row.javaw);
  if (row.key) RegisterIn(row.key, row.value, row.view64);
  if (row.variable) ::SetEnvironmentVariableA(row.variable, row.value.c_str());
  EXPECT_BYTES(StartedJava(), row.javaw);
}

INSTANTIATE_TEST_SUITE_P(
    Win64, LauncherFindsJava,
    ::testing::Values(
        SourceCase{"RuntimeKey64", "Java Runtime Environment", true, nullptr, kJava64, kJava64 + "\\bin\\javaw.exe"},
        SourceCase{"Jre64", "JRE", true, nullptr, kJavaRoot + "\\jre 11", kJavaRoot + "\\jre 11\\bin\\javaw.exe"},
        SourceCase{"Jre32", "JRE", false, nullptr, kJavaRoot + "\\jre 9", kJavaRoot + "\\jre 9\\bin\\javaw.exe"},
        SourceCase{"Jdk64", "JDK", true, nullptr, kJdk64, kJdk64 + "\\bin\\javaw.exe"},
        SourceCase{"Jdk32", "JDK", false, nullptr, kJavaRoot + "\\jdk 17", kJavaRoot + "\\jdk 17\\bin\\javaw.exe"},
        SourceCase{"JavaHome", nullptr, false, "JAVA_HOME", kJavaHomeVariable, kJavaHomeVariable + "\\bin\\javaw.exe"},
        SourceCase{"QuotedPathEntry", nullptr, false, "PATH",
                   "C:\\windows\\system32;C:\\windows;;\"" + kPathFolder + "\"", kPathFolder + "\\javaw.exe"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LauncherE2E, Win64TheFirstSourceWithAJavawWins) {
  const std::vector<std::string> javaws = {kJavaw, kJava64 + "\\bin\\javaw.exe", kJdk64 + "\\bin\\javaw.exe",
                                           kJavaHomeVariable + "\\bin\\javaw.exe", kPathFolder + "\\javaw.exe"};
  for (std::size_t i = 1; i < javaws.size(); ++i) InstallJava(javaws[i]);
  RuntimesOfTodayWithoutJavaw();  // which now have one each
  ASSERT_TRUE(e2e::RegKeyExists(HKEY_LOCAL_MACHINE, kRuntimeKey)) << "the launcher's first lookup";
  for (const std::string& javaw : javaws) {
    EXPECT_BYTES(StartedJava(), javaw);
    ::DeleteFileA(javaw.c_str());
  }
}

// On a Western Windows (ANSI code page 1252) é is the byte E9, which code
// page 932 would take for the first byte of a double-byte character: the
// backslash after it is still a separator. Runs in its own test entry, in
// the en_US.UTF-8 locale.
TEST(WesternLocaleLauncher, InAFolderWithAnAccentStartsTheRuntime) {
  ASSERT_EQ(::GetACP(), 1252u);
  const std::string folder = "C:\\Caf\xE9";
  ASSERT_TRUE(e2e::MakeFolders(folder));
  ASSERT_TRUE(e2e::MakeFolders(kJavaHome + "\\bin"));
  ASSERT_TRUE(::CopyFileA(e2e::WindowsPath(TESSAL_EXE).c_str(), (folder + "\\tessal.exe").c_str(), FALSE));
  ASSERT_TRUE(::CopyFileA(e2e::WindowsPath(TESSAL_STAND_IN_JAVA).c_str(), kJavaw.c_str(), FALSE));
  ASSERT_TRUE(e2e::WriteFile(folder + "\\tessal.jar", "PK"));
  ASSERT_TRUE(e2e::SetRegString(HKEY_LOCAL_MACHINE, kRuntimeKey, "CurrentVersion", "1.4"));
  ASSERT_TRUE(e2e::SetRegString(HKEY_LOCAL_MACHINE, kRuntimeKey + "\\1.4", "JavaHome", kJavaHome));
  ::SetEnvironmentVariableA("TESSAL_STAND_IN_RECORD", kRecord.c_str());

  e2e::Started launcher = e2e::Start(Quoted(folder + "\\tessal.exe") + " C:\\Caf\xE9\\menu.xml", "C:\\windows");
  ASSERT_TRUE(launcher.ok());
  std::string record;
  for (int waited = 0; waited < 15000 && !e2e::FileExists(kRecord); waited += 100) ::Sleep(100);
  record = e2e::ReadFile(kRecord);
  if (e2e::WaitForExit(launcher, 5000) != 0) e2e::Kill(launcher);  // a message box instead of a start
  ::CloseHandle(launcher.process);
  EXPECT_BYTES(record, Quoted(kJavaw) + "  -jar \"C:\\Caf\xE9\\tessal.jar\" \"C:\\Caf\xE9\\menu.xml\"\nC:\\Caf\xE9");
}

}  // namespace
