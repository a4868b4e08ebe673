// Each failure of the launch is reported in one message box (no owner,
// caption "Tessal", OK and the exclamation icon) and nothing is started;
// the checks run in a fixed order.
#include <functional>

#include "tests/support/bytes.h"
#include "tests/unit/launcher/launch_fixture.h"

namespace launcher_test {
namespace {

class FailureTest;

struct FailureCase {
  const char* name;
  std::function<void(FailureTest&)> arrange;
  const char* message;  // nullptr: ends silently
};

class FailureTest : public LaunchTest, public ::testing::WithParamInterface<FailureCase> {
 public:
  // Lets the table's set-up steps reach the fixture's fakes.
  platform::FakeFileSystem& Files() { return files; }
  platform::FakeRegistry& Registry() { return registry; }
  platform::FakeProcess& Process() { return process; }
  platform::FakeShellAssociation& Shell() { return shell; }
};

TEST_P(FailureTest, ReportsAndStartsNothing) {
  const FailureCase& row = GetParam();
  row.arrange(*this);
  // Runtimes of today without a javaw.exe change no message.
  environment.Set("JAVA_HOME", "C:\\Java\\jdk-17");
  environment.Set("PATH", "C:\\windows;C:\\Java\\jdk-17\\bin");
  registry.SetString("HKEY_LOCAL_MACHINE\\SOFTWARE\\JavaSoft\\JDK", "CurrentVersion", "17");
  registry.SetString("HKEY_LOCAL_MACHINE\\SOFTWARE\\JavaSoft\\JDK\\17", "JavaHome", "C:\\Java\\jdk-17");
  const auto registryBefore = registry.Dump();
  Launch({"C:\\doc.xml"});

  if (row.message) {
    ASSERT_EQ(messages.Messages().size(), 1u);
    const auto& shown = messages.Messages()[0];
    EXPECT_BYTES(shown.text, row.message);
    EXPECT_BYTES(shown.caption, expected::kProductName);
    EXPECT_EQ(shown.owner, nullptr);
    EXPECT_EQ(shown.type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
  } else {
    EXPECT_TRUE(messages.Messages().empty());
  }
  EXPECT_TRUE(splash.shownWith.empty());
  for (const auto& start : process.Starts()) EXPECT_TRUE(start.process == nullptr) << "a process was started";
  EXPECT_EQ(registry.Dump(), registryBefore) << "a lookup leaves the registry as it was";
}

// A path of 260 bytes or more comes back cut to the 260-byte buffer.
const std::string kLongFolder = "C:\\" + std::string(250, 'd');

// 145 double-byte characters: in a 260-byte buffer the path is cut after
// 259 bytes, before a whole character, and comes back as if it were whole.
std::string DoubleByteName() {
  std::string name;
  for (int i = 0; i < 145; ++i) name += "あ";
  return name;
}

INSTANTIATE_TEST_SUITE_P(
    Launch, FailureTest,
    ::testing::Values(
        FailureCase{"OwnPathNotAvailable", [](FailureTest& t) { t.Files().SetModulePath(""); }, nullptr},
        FailureCase{"OwnPathCutAt260Bytes",
                    [](FailureTest& t) {
                      auto& files = t.Files();
                      files.SetModulePath(kLongFolder + "\\tessal.exe");
                      // The cut path's folder exists with an archive: still nothing may start.
                      files.AddFile(kLongFolder + "\\tessal.jar", "PK");
                    },
                    nullptr},
        FailureCase{"OwnPathCutBeforeADoubleByteCharacter",
                    [](FailureTest& t) {
                      auto& files = t.Files();
                      files.SetModulePath("C:\\tools\\" + DoubleByteName() + "\\tessal.exe");
                      // The cut path's folder, with an archive of its own.
                      files.AddFile("C:\\tools\\tessal.jar", "PK");
                    },
                    nullptr},
        FailureCase{"OwnPathWithoutBackslash", [](FailureTest& t) { t.Files().SetModulePath("tessal.exe"); }, nullptr},
        FailureCase{"ArchiveMissingEvenWithoutJava",
                    [](FailureTest& t) {
                      auto& self = t;
                      self.Files().DeleteFileA(kArchive);
                      self.Registry() = platform::FakeRegistry();
                    },
                    expected::kNoArchive},
        FailureCase{"NoAssociationNoRuntimeKey", [](FailureTest& t) { t.Registry() = platform::FakeRegistry(); },
                    expected::kNoRuntime},
        FailureCase{"RuntimeKeyWithoutCurrentVersion",
                    [](FailureTest& t) {
                      auto& self = t;
                      self.Registry() = platform::FakeRegistry();
                      self.Registry().CreateKey(kRuntimeKey);
                    },
                    expected::kNoRuntime},
        FailureCase{"VersionKeyMissing",
                    [](FailureTest& t) {
                      auto& self = t;
                      self.Registry() = platform::FakeRegistry();
                      self.Registry().SetString(kRuntimeKey, "CurrentVersion", "1.5");
                    },
                    expected::kNoRuntimeHome},
        FailureCase{"JavaHomeValueMissing",
                    [](FailureTest& t) {
                      auto& self = t;
                      self.Registry() = platform::FakeRegistry();
                      self.Registry().SetString(kRuntimeKey, "CurrentVersion", "1.5");
                      self.Registry().SetString(std::string(kRuntimeKey) + "\\1.5", "RuntimeLib", "x");
                    },
                    expected::kNoRuntimeHome},
        FailureCase{"JavaHomeWithoutJavaw", [](FailureTest& t) { t.Files().DeleteFileA(kJavaw); }, expected::kNoJavaw},
        FailureCase{"AssociatedProgramMissing",
                    [](FailureTest& t) {
                      t.Shell().Associate(".jar", "C:\\Gone\\javaw.exe -jar \"%1\"");
                      // No other source is tried after an association.
                      t.Files().AddFile("C:\\Java\\jdk-17\\bin\\javaw.exe", "MZ");
                    },
                    expected::kNoJavaw},
        FailureCase{"ProcessNotCreated", [](FailureTest& t) { t.Process().FailCreationWith(ERROR_ACCESS_DENIED); },
                    expected::kStartFailed}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LaunchTest, MissingArchiveIsReportedBeforeTheRuntimeIsLookedFor) {
  files.DeleteFileA(kArchive);
  Launch();
  EXPECT_EQ(shell.CallCount(), 0);
}

}  // namespace
}  // namespace launcher_test
