// How the Java process is started and handed to the splash, and where the
// launcher looks for its files.
#include "tests/support/bytes.h"
#include "tests/unit/launcher/launch_fixture.h"

namespace launcher_test {
namespace {

TEST_F(LaunchTest, StartsInItsOwnFolderWithPlainSettings) {
  Launch({"C:\\x.xml"});
  ASSERT_EQ(process.Starts().size(), 1u);
  const auto& start = process.Starts()[0];
  EXPECT_FALSE(start.hasApplicationName) << "the quoted first token names the program";
  EXPECT_FALSE(start.processAttributes);
  EXPECT_FALSE(start.threadAttributes);
  EXPECT_EQ(start.inheritHandles, FALSE);
  EXPECT_EQ(start.creationFlags, 0u);
  EXPECT_FALSE(start.environment) << "the launcher's own environment";
  EXPECT_BYTES(start.currentDirectory, kFolder);
  EXPECT_EQ(start.startupInfoSize, sizeof(STARTUPINFOA));
  EXPECT_TRUE(start.startupInfoOtherwiseZero);
}

TEST_F(LaunchTest, SplashGetsTheOpenProcessHandle) {
  Launch();
  ASSERT_EQ(splash.shownWith.size(), 1u);
  EXPECT_EQ(splash.shownWith[0], process.Starts().at(0).process);
  EXPECT_TRUE(process.IsOpen(splash.shownWith[0])) << "the splash waits on it";
}

TEST_F(LaunchTest, FilesAreLookedForOnlyInTheLauncherFolder) {
  // Decoys in the current directory and the Windows folder.
  files.AddFile("C:\\Elsewhere\\boot.ini", "[BOOT]\r\nOption=-wrong\r\n");
  files.AddFile("C:\\windows\\boot.ini", "[BOOT]\r\nOption=-wrong\r\n");
  files.AddFile("C:\\Elsewhere\\tessal.jar", "PK");
  files.DeleteFileA(kArchive);
  Launch();
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_BYTES(messages.Messages()[0].text, expected::kNoArchive);

  files.AddFile(kArchive, "PK");
  Launch();
  EXPECT_BYTES(StartedLine(), std::string("\"") + kJavaw + "\"  -jar \"" + kArchive + "\" ");
}

TEST_F(LaunchTest, AFolderNamedLikeTheArchiveCountsAsPresent) {
  files.DeleteFileA(kArchive);
  files.AddFolder(kArchive);
  Launch();
  EXPECT_EQ(process.Starts().size(), 1u);
}

TEST_F(LaunchTest, AtADriveRootTheRuntimeRunsInTheRoot) {
  // "C:" alone would be the current folder of drive C, C:\Elsewhere here.
  files.SetModulePath("C:\\tessal.exe");
  files.AddFile("C:\\tessal.jar", "PK");
  Launch();
  ASSERT_EQ(process.Starts().size(), 1u);
  EXPECT_BYTES(process.Starts()[0].currentDirectory, "C:\\");
  EXPECT_BYTES(process.Starts()[0].commandLine, std::string("\"") + kJavaw + "\"  -jar \"C:\\tessal.jar\" ");
}

struct FolderCase {
  const char* name;
  std::string modulePath;
  std::string folder;
};

class LauncherFolderTest : public LaunchTest, public ::testing::WithParamInterface<FolderCase> {};

TEST_P(LauncherFolderTest, IsTheModulePathBeforeItsLastSeparator) {
  const FolderCase& row = GetParam();
  files.SetModulePath(row.modulePath);
  files.AddFile(row.folder + "\\tessal.jar", "PK");
  Launch();
  ASSERT_EQ(process.Starts().size(), 1u);
  EXPECT_BYTES(process.Starts()[0].currentDirectory, row.folder);
}

INSTANTIATE_TEST_SUITE_P(
    Launch, LauncherFolderTest,
    ::testing::Values(FolderCase{"Japanese", "C:\\ツール\\表計算 ソフト\\tessal.exe", "C:\\ツール\\表計算 ソフト"},
                      // ソ ends in the byte 0x5C, which is not a separator.
                      FolderCase{"ProgramNameEndingInTrailByte5C", "C:\\Tessal\\ソ.exe", "C:\\Tessal"},
                      FolderCase{"PathOf259BytesIsWhole", "C:\\" + std::string(245, 'f') + "\\tessal.exe",
                                 "C:\\" + std::string(245, 'f')}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace launcher_test
