#include "common/paths.h"

#include <gtest/gtest.h>

#include "common/exception.h"
#include "platform/fake/fake_file_system.h"
#include "tests/support/bytes.h"

namespace {

class PathsTest : public ::testing::Test {
 protected:
  platform::FakeFileSystem files;
  void SetUp() override { files.AddDrive('D'); }
};

TEST_F(PathsTest, ParentPartEndsAtTheLastRealSeparator) {
  struct Row {
    std::string path, parent;
  } rows[] = {
      {"C:\\a\\b", "C:\\a\\"}, {"C:\\a", "C:\\"}, {"C:", "C:"}, {"tessal", ""}, {"C:\\表", "C:\\"}, {"", ""},
  };
  for (const Row& row : rows) EXPECT_BYTES(common::ParentPart(row.path), row.parent);
}

TEST_F(PathsTest, FolderExistsOnlyForFolders) {
  files.AddFolder("D:\\apps");
  files.AddFile("D:\\apps\\readme.txt", "x");
  EXPECT_TRUE(common::FolderExists(files, "D:\\apps"));
  EXPECT_TRUE(common::FolderExists(files, "D:\\apps\\"));
  EXPECT_TRUE(common::FolderExists(files, "D:\\"));
  EXPECT_FALSE(common::FolderExists(files, "D:\\apps\\readme.txt"));
  EXPECT_FALSE(common::FolderExists(files, "D:\\missing"));
  EXPECT_FALSE(common::FolderExists(files, "Q:\\"));
}

TEST_F(PathsTest, CreateFolderPathOfEmptyOrBareRelativeNameRaises) {
  for (const char* path : {"", "tessal", "tessal\\"}) {
    try {
      common::CreateFolderPath(files, path);
      ADD_FAILURE() << "no error for '" << path << "'";
    } catch (const Exception& error) {
      EXPECT_BYTES(error.Message(), "ディレクトリを作成することができません");
    }
  }
}

TEST_F(PathsTest, CreateFolderPathCountsShortPathsAndExistingFoldersAsDone) {
  auto before = files.Dump();
  EXPECT_TRUE(common::CreateFolderPath(files, "C:"));
  EXPECT_TRUE(common::CreateFolderPath(files, "C:\\"));
  EXPECT_TRUE(common::CreateFolderPath(files, "\\"));
  EXPECT_TRUE(common::CreateFolderPath(files, "Q:\\")) << "a missing drive's root is shorter than 3 once cut";
  EXPECT_EQ(files.Dump(), before);
  files.AddFolder("C:\\a");
  EXPECT_TRUE(common::CreateFolderPath(files, "C:\\a\\"));
}

TEST_F(PathsTest, CreateFolderPathCreatesEveryMissingLevel) {
  EXPECT_TRUE(common::CreateFolderPath(files, "D:\\a\\b\\c"));
  EXPECT_TRUE(common::FolderExists(files, "D:\\a"));
  EXPECT_TRUE(common::FolderExists(files, "D:\\a\\b"));
  EXPECT_TRUE(common::FolderExists(files, "D:\\a\\b\\c"));
  EXPECT_TRUE(common::CreateFolderPath(files, "D:\\x\\y\\")) << "one trailing backslash is dropped";
  EXPECT_TRUE(common::FolderExists(files, "D:\\x\\y"));
}

TEST_F(PathsTest, CreateFolderPathKeepsADoubleByteNameWhole) {
  // 表 ends in 5C: it must not be taken for a trailing backslash and cut.
  EXPECT_TRUE(common::CreateFolderPath(files, "D:\\データ\\表"));
  EXPECT_TRUE(common::FolderExists(files, "D:\\データ\\表"));
  EXPECT_FALSE(common::FolderExists(files, "D:\\データ\\\x95"));
}

TEST_F(PathsTest, CreateFolderPathFailures) {
  files.AddFile("D:\\file", "x");
  EXPECT_FALSE(common::CreateFolderPath(files, "D:\\file")) << "a file's name is taken";
  EXPECT_FALSE(common::CreateFolderPath(files, "D:\\file\\sub"));
  EXPECT_FALSE(common::CreateFolderPath(files, "Q:\\tessal")) << "missing drive";
  files.DenyWrite("D:\\locked");
  EXPECT_FALSE(common::CreateFolderPath(files, "D:\\locked\\a\\b"));
  EXPECT_FALSE(common::FolderExists(files, "D:\\locked\\a"));
}

}  // namespace
