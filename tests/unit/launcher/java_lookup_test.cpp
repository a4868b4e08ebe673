// The runtimes of today (64-bit, Java 9 and later, JAVA_HOME, PATH) are
// looked for only when the association and the first registry key fail,
// in a fixed order; a value that does not fit or does not convert whole is
// passed over, never cut.
#include <functional>

#include "tests/support/bytes.h"
#include "tests/unit/launcher/launch_fixture.h"

namespace launcher_test {
namespace {

constexpr char k64[] = "HKEY_LOCAL_MACHINE\\SOFTWARE\\JavaSoft\\";
constexpr char k32[] = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\JavaSoft\\";

// On a 64-bit Windows with nothing registered and no association.
class JavaLookupTest : public LaunchTest {
 protected:
  JavaLookupTest() {
    registry = platform::FakeRegistry();
    registry.SetSixtyFourBitWindows(true);
  }

  // A runtime under a key (its full path), with its javaw.exe.
  void Register(const std::string& key, const std::string& home, bool withJavaw = true) {
    registry.SetString(key, "CurrentVersion", "17");
    registry.SetString(key + "\\17", "JavaHome", home);
    if (withJavaw) files.AddFile(home + (home.back() == '\\' ? "" : "\\") + "bin\\javaw.exe", "MZ");
  }

  std::string StartedJava() {
    const std::string line = StartedLine();
    return line.size() > 1 ? line.substr(1, line.find('"', 1) - 1) : "<nothing started>";
  }

  std::string Message() { return messages.Messages().empty() ? "<none>" : messages.Messages()[0].text; }
};

TEST_F(JavaLookupTest, TheFirstSourceWithAJavawWinsAndOnesWithoutAreSkipped) {
  const std::vector<std::string> found = {
      "C:\\jre8-32\\bin\\javaw.exe",   "C:\\jre8-64\\bin\\javaw.exe",   "C:\\jre-64\\bin\\javaw.exe",
      "C:\\jre-32\\bin\\javaw.exe",    "C:\\jdk 表-64\\bin\\javaw.exe", "C:\\jdk-32\\bin\\javaw.exe",
      "C:\\JAVA HOME\\bin\\javaw.exe", "C:\\path ソ\\javaw.exe",        "C:\\path2\\javaw.exe"};
  Register(std::string(k32) + "Java Runtime Environment", "C:\\jre8-32");
  Register(std::string(k64) + "Java Runtime Environment", "C:\\jre8-64");
  Register(std::string(k64) + "JRE", "C:\\jre-64");
  Register(std::string(k32) + "JRE", "C:\\jre-32");
  Register(std::string(k64) + "JDK", "C:\\jdk 表-64");
  Register(std::string(k32) + "JDK", "C:\\jdk-32");
  environment.Set("JAVA_HOME", "C:\\JAVA HOME");
  files.AddFile(found[6], "MZ");
  environment.Set("Path", ";C:\\windows;;C:\\path ソ;C:\\path2");
  files.AddFile(found[7], "MZ");
  files.AddFile(found[8], "MZ");

  for (const std::string& javaw : found) {
    process = platform::FakeProcess();
    Launch();
    EXPECT_BYTES(StartedJava(), javaw);
    files.DeleteFileA(javaw.c_str());
  }
  Launch();
  EXPECT_BYTES(Message(), expected::kNoJavaw) << "the first registry lookup's message";
}

class JavaSourceTest;

struct SourceCase {
  const char* name;
  std::function<void(JavaSourceTest&)> arrange;
  std::string javaw;  // "" when none may be found
};

class JavaSourceTest : public JavaLookupTest, public ::testing::WithParamInterface<SourceCase> {
 public:
  void Add(const std::string& path) { files.AddFile(path, "MZ"); }
  void Env(const std::string& name, const std::string& value) { environment.Set(name, value); }
  platform::FakeRegistry& Registry() { return registry; }
  platform::FakeEnvironment& Environment() { return environment; }
  using JavaLookupTest::Register;
};

TEST_P(JavaSourceTest, StartsTheRuntimeItNames) {
  GetParam().arrange(*this);
  Launch();
  if (GetParam().javaw.empty()) {
    EXPECT_BYTES(Message(), expected::kNoRuntime);
    EXPECT_TRUE(process.Starts().empty());
  } else {
    EXPECT_BYTES(StartedJava(), GetParam().javaw);
  }
}

const std::string kLongHome = "C:\\" + std::string(242, 'j');  // + "\bin\javaw.exe": 259 bytes

INSTANTIATE_TEST_SUITE_P(
    Launch, JavaSourceTest,
    ::testing::Values(SourceCase{"RegistryHomeEndingInABackslash",
                                 [](JavaSourceTest& t) { t.Register(std::string(k64) + "JDK", "C:\\Java\\jdk-21\\"); },
                                 "C:\\Java\\jdk-21\\bin\\javaw.exe"},
                      SourceCase{"JavawPathOf259Bytes",
                                 [](JavaSourceTest& t) { t.Register(std::string(k64) + "JDK", kLongHome); },
                                 kLongHome + "\\bin\\javaw.exe"},
                      SourceCase{"JavawPathOf260BytesRefused",
                                 [](JavaSourceTest& t) { t.Register(std::string(k64) + "JDK", kLongHome + "j"); }, ""},
                      SourceCase{"JavaHomeNotInTheCodePageIsNotUsed",
                                 [](JavaSourceTest& t) {
                                   t.Environment().SetWide("JAVA_HOME", u"C:\\Caf\u00e9");
                                   t.Add("C:\\Caf?\\bin\\javaw.exe");
                                 },
                                 ""},
                      SourceCase{"PathTooLongIsNotCut",
                                 [](JavaSourceTest& t) {
                                   t.Env("PATH", "C:\\jdk\\bin;" + std::string(32767, 'x'));
                                   t.Add("C:\\jdk\\bin\\javaw.exe");
                                 },
                                 ""},
                      SourceCase{"PathEntryEndingInABackslash",
                                 [](JavaSourceTest& t) {
                                   t.Env("PATH", "C:\\jdk\\bin\\");
                                   t.Add("C:\\jdk\\bin\\javaw.exe");
                                 },
                                 "C:\\jdk\\bin\\javaw.exe"},
                      SourceCase{"RelativePathEntryFromTheCurrentDirectory",
                                 [](JavaSourceTest& t) {
                                   t.Env("PATH", "C:\\windows;.");
                                   t.Add("C:\\Elsewhere\\javaw.exe");
                                 },
                                 ".\\javaw.exe"},
                      SourceCase{"LauncherFolderOnlyWhenPathListsIt",
                                 [](JavaSourceTest& t) {
                                   t.Add(std::string(kFolder) + "\\javaw.exe");
                                   t.Add("C:\\Elsewhere\\javaw.exe");
                                   t.Env("PATH", "C:\\windows");
                                 },
                                 ""},
                      SourceCase{"On32BitWindowsTheFlagsReadTheOneView",
                                 [](JavaSourceTest& t) {
                                   t.Registry().SetSixtyFourBitWindows(false);
                                   t.Register(std::string(k64) + "Java Runtime Environment", "C:\\gone", false);
                                   t.Register(std::string(k64) + "JDK", "C:\\jdk");
                                 },
                                 "C:\\jdk\\bin\\javaw.exe"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace launcher_test
