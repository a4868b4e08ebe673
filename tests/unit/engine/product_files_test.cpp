#include "setup/engine/product_files.h"

#include <gtest/gtest.h>

#include "common/exception.h"
#include "platform/fake/fake_file_system.h"
#include "tests/support/bytes.h"

namespace {

TEST(CopyList, SixFilesInOrderWithTheLibraryWhereTheRuntimeLoadsIt) {
  TJavaCheckResult ok{jcOK, "C:\\Java\\lib\\ext"};
  auto list = engine::CopyList("D:\\", "C:\\Program Files\\tessal\\", ok);
  ASSERT_EQ(list.size(), 6u);
  const char* names[] = {"tessal.jar", "tessal.exe", "boot.ini", "readme.txt", "Uninstall.exe"};
  for (int i = 0; i < 5; ++i) {
    EXPECT_BYTES(list[i].source, std::string("D:\\") + names[i]);
    EXPECT_BYTES(list[i].destination, std::string("C:\\Program Files\\tessal\\\\") + names[i])
        << "the separator is added even after a trailing backslash";
  }
  EXPECT_BYTES(list[5].destination, "C:\\Java\\lib\\ext\\jh.jar");

  for (auto status : {jcNotInstalled, jcVersionTooOld, jcHomeNotFound, jcExtFolderNotFound, jcSystemError}) {
    TJavaCheckResult failed{status, "C:\\Java\\lib\\ext"};
    EXPECT_BYTES(engine::CopyList("D:\\", "C:\\t", failed)[5].destination, "C:\\t\\jh.jar");
  }
}

TEST(SetupFolder, IsTheProgramsFolderWithItsBackslashAndNeverACutPath) {
  platform::FakeFileSystem files;
  files.SetModulePath("D:\\セットアップ\\Setup.exe");
  EXPECT_BYTES(engine::SetupFolder(files), "D:\\セットアップ\\");
  files.SetModulePath("D:\\" + std::string(300, 'x') + "\\Setup.exe");
  EXPECT_THROW(engine::SetupFolder(files), Exception);
  // Cut before a double-byte character, the name comes back short of the
  // buffer as if it were whole.
  files.SetModulePath("D:\\" + std::string(256, 'x') + "表\\Setup.exe");
  EXPECT_THROW(engine::SetupFolder(files), Exception);
}

class CopyProductFile : public ::testing::Test {
 protected:
  platform::FakeFileSystem files;
  void SetUp() override {
    files.AddDrive('D');
    files.AddFolder("C:\\app");
  }
};

TEST_F(CopyProductFile, AMissingSourceIsSkippedWithoutFailure) {
  EXPECT_TRUE(engine::CopyProductFile(files, "D:\\readme.txt", "C:\\app\\readme.txt"));
  files.AddFolder("D:\\folder.txt");
  EXPECT_TRUE(engine::CopyProductFile(files, "D:\\folder.txt", "C:\\app\\folder.txt")) << "a folder is no file";
  EXPECT_FALSE(files.FileExists("C:\\app\\readme.txt"));
}

TEST_F(CopyProductFile, AReadOnlyTargetIsReplacedAndEveryCopyEndsNormal) {
  files.AddFile("D:\\tessal.exe", "new", FILE_ATTRIBUTE_READONLY);  // from read-only media
  files.AddFile("C:\\app\\tessal.exe", "old", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
  EXPECT_TRUE(engine::CopyProductFile(files, "D:\\tessal.exe", "C:\\app\\tessal.exe"));
  EXPECT_EQ(files.FileContent("C:\\app\\tessal.exe"), "new");
  EXPECT_EQ(files.GetFileAttributesA("C:\\app\\tessal.exe"), static_cast<DWORD>(FILE_ATTRIBUTE_NORMAL));
}

TEST_F(CopyProductFile, ACopyIntoAMissingOrLockedFolderFails) {
  files.AddFile("D:\\tessal.jar", "jar");
  EXPECT_FALSE(engine::CopyProductFile(files, "D:\\tessal.jar", "C:\\missing\\tessal.jar"));
  files.DenyWrite("C:\\locked");
  EXPECT_FALSE(engine::CopyProductFile(files, "D:\\tessal.jar", "C:\\locked\\tessal.jar"));
}

}  // namespace
