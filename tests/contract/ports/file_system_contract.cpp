// The file-system port: the fake must answer as Windows does.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/contract/ports/harness.h"
#include "tests/support/bytes.h"

namespace {

class FileSystemContract : public ::testing::Test {
 protected:
  std::unique_ptr<contract::FileSystemHarness> harness = contract::MakeFileSystemHarness();
  platform::FileSystem& fs = harness->Port();
  std::string root = harness->Scratch();

  DWORD Attributes(const std::string& path) { return fs.GetFileAttributesA(path.c_str()); }
  bool IsFolder(const std::string& path) {
    DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
  }
  bool Found(const std::string& path) {
    WIN32_FIND_DATAA data;
    HANDLE find = fs.FindFirstFileA(path.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return false;
    fs.FindClose(find);
    return true;
  }
};

TEST_F(FileSystemContract, CreateDirectoryNeedsItsParentAndRefusesAnExistingName) {
  std::string folder = root + "\\new";
  EXPECT_TRUE(fs.CreateDirectoryA(folder.c_str(), nullptr));
  EXPECT_TRUE(IsFolder(folder));
  EXPECT_TRUE(IsFolder(folder + "\\")) << "a folder is found with a trailing backslash too";

  EXPECT_FALSE(fs.CreateDirectoryA(folder.c_str(), nullptr));
  EXPECT_EQ(fs.GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));

  EXPECT_FALSE(fs.CreateDirectoryA((root + "\\missing\\child").c_str(), nullptr));
  EXPECT_EQ(fs.GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
  EXPECT_EQ(Attributes(root + "\\missing"), INVALID_FILE_ATTRIBUTES);
}

TEST_F(FileSystemContract, NamesMatchWithoutRegardToCaseAndTrailingBlanksOrDots) {
  ASSERT_TRUE(fs.CreateDirectoryA((root + "\\MixedCase").c_str(), nullptr));
  EXPECT_TRUE(IsFolder(root + "\\mixedcase"));
  EXPECT_TRUE(IsFolder(root + "\\MIXEDCASE"));
  EXPECT_TRUE(IsFolder(root + "\\MixedCase  ")) << "Windows drops trailing blanks of the last name";
  EXPECT_TRUE(IsFolder(root + "\\MixedCase."));
}

TEST_F(FileSystemContract, AMissingDriveHasNothing) {
  EXPECT_EQ(Attributes("Q:\\"), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(Attributes("Q:\\tessal"), INVALID_FILE_ATTRIBUTES);
  EXPECT_FALSE(fs.CreateDirectoryA("Q:\\tessal", nullptr));
  EXPECT_FALSE(Found("Q:\\tessal"));
}

TEST_F(FileSystemContract, DoubleByteNamesWithBackslashTrailBytesAreOneName) {
  // 表 is 95 5C and ソ is 83 5C in code page 932: the 5C is no separator.
  std::string folder = root + "\\表";
  std::string file = folder + "\\ソフト.txt";
  ASSERT_TRUE(fs.CreateDirectoryA(folder.c_str(), nullptr)) << "error " << fs.GetLastError();
  harness->WriteFile(file, "hello");
  EXPECT_TRUE(IsFolder(folder));
  EXPECT_NE(Attributes(file), INVALID_FILE_ATTRIBUTES);

  WIN32_FIND_DATAA data;
  std::memset(&data, 0, sizeof data);
  HANDLE find = fs.FindFirstFileA(file.c_str(), &data);
  ASSERT_NE(find, INVALID_HANDLE_VALUE);
  EXPECT_BYTES(data.cFileName, "ソフト.txt");
  fs.FindClose(find);

  std::string copy = folder + "\\コピー.txt";
  ASSERT_TRUE(fs.CopyFileA(file.c_str(), copy.c_str(), TRUE));
  EXPECT_EQ(harness->ReadFile(copy), "hello");
}

TEST_F(FileSystemContract, FindFirstFileFindsFilesAndFoldersByExactPath) {
  harness->WriteFile(root + "\\tessal.jar", "jar");
  ASSERT_TRUE(fs.CreateDirectoryA((root + "\\folder").c_str(), nullptr));
  EXPECT_TRUE(Found(root + "\\tessal.jar"));
  EXPECT_TRUE(Found(root + "\\TESSAL.JAR"));
  EXPECT_TRUE(Found(root + "\\folder")) << "a folder of the name counts as present";
  EXPECT_FALSE(Found(root + "\\missing.jar"));
  EXPECT_FALSE(Found(root + "\\folder\\")) << "a trailing backslash names nothing to find";
}

TEST_F(FileSystemContract, AFileIsNoFolderAndHasNoTrailingBackslash) {
  std::string file = root + "\\plain.txt";
  harness->WriteFile(file, "x");
  DWORD attributes = Attributes(file);
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
  EXPECT_EQ(Attributes(file + "\\"), INVALID_FILE_ATTRIBUTES);
  EXPECT_FALSE(fs.CreateDirectoryA(file.c_str(), nullptr)) << "a folder cannot take a file's name";
}

TEST_F(FileSystemContract, CopyRefusesAReadOnlyTargetAndCarriesAttributesOver) {
  std::string source = root + "\\source.txt";
  std::string target = root + "\\target.txt";
  harness->WriteFile(source, "new");
  harness->WriteFile(target, "old");
  ASSERT_TRUE(fs.SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_NE(Attributes(target) & FILE_ATTRIBUTE_READONLY, 0u);

  if (harness->CopyRefusesReadOnlyTarget()) {
    EXPECT_FALSE(fs.CopyFileA(source.c_str(), target.c_str(), FALSE));
    EXPECT_EQ(fs.GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(harness->ReadFile(target), "old");
  } else {
    EXPECT_TRUE(fs.CopyFileA(source.c_str(), target.c_str(), FALSE));
    EXPECT_EQ(harness->ReadFile(target), "new");
  }

  ASSERT_TRUE(fs.SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL));
  EXPECT_EQ(Attributes(target) & FILE_ATTRIBUTE_READONLY, 0u);
  EXPECT_TRUE(fs.CopyFileA(source.c_str(), target.c_str(), FALSE));
  EXPECT_EQ(harness->ReadFile(target), "new");

  // A read-only source gives a read-only copy.
  ASSERT_TRUE(fs.SetFileAttributesA(source.c_str(), FILE_ATTRIBUTE_READONLY));
  std::string copy = root + "\\copy.txt";
  ASSERT_TRUE(fs.CopyFileA(source.c_str(), copy.c_str(), FALSE));
  EXPECT_NE(Attributes(copy) & FILE_ATTRIBUTE_READONLY, 0u);
  fs.SetFileAttributesA(source.c_str(), FILE_ATTRIBUTE_NORMAL);
  fs.SetFileAttributesA(copy.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(FileSystemContract, CopyFailures) {
  std::string source = root + "\\source.txt";
  harness->WriteFile(source, "data");
  std::string existing = root + "\\existing.txt";
  harness->WriteFile(existing, "keep");

  EXPECT_FALSE(fs.CopyFileA(source.c_str(), existing.c_str(), TRUE)) << "fail-if-exists";
  EXPECT_EQ(harness->ReadFile(existing), "keep");
  EXPECT_FALSE(fs.CopyFileA((root + "\\absent.txt").c_str(), (root + "\\x.txt").c_str(), FALSE));
  EXPECT_FALSE(fs.CopyFileA(source.c_str(), (root + "\\no\\such\\folder.txt").c_str(), FALSE));
  EXPECT_FALSE(fs.CopyFileA(source.c_str(), "Q:\\x.txt", FALSE));
}

TEST_F(FileSystemContract, DeletingNeedsAWritableFileAndAnEmptyFolder) {
  std::string folder = root + "\\full";
  std::string file = folder + "\\f.txt";
  ASSERT_TRUE(fs.CreateDirectoryA(folder.c_str(), nullptr));
  harness->WriteFile(file, "x");
  EXPECT_FALSE(fs.RemoveDirectoryA(folder.c_str()));
  ASSERT_TRUE(fs.SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(fs.DeleteFileA(file.c_str()));
  ASSERT_TRUE(fs.SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL));
  EXPECT_TRUE(fs.DeleteFileA(file.c_str()));
  EXPECT_TRUE(fs.RemoveDirectoryA(folder.c_str()));
  EXPECT_EQ(Attributes(folder), INVALID_FILE_ATTRIBUTES);
}

// How a running Tessal is found: an open for writing that shares nothing.
TEST_F(FileSystemContract, AnOpenThatSharesNothingIsRefusedWhileTheFileIsHeld) {
  const std::string file = root + "\\tessal.jar";
  harness->WriteFile(file, "archive");
  auto openToWrite = [&](const std::string& path) {
    return fs.CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  };
  harness->HoldOpen(file, true);
  EXPECT_EQ(openToWrite(file), INVALID_HANDLE_VALUE);
  EXPECT_EQ(fs.GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
  harness->HoldOpen(file, false);
  HANDLE opened = openToWrite(file);
  ASSERT_NE(opened, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(fs.CloseHandle(opened));
  EXPECT_EQ(harness->ReadFile(file), "archive") << "opened and closed, not changed";
  EXPECT_EQ(openToWrite(root + "\\missing.jar"), INVALID_HANDLE_VALUE);
  EXPECT_EQ(fs.GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST_F(FileSystemContract, FreeSpaceIsReadThroughAnyFolderOfTheDisk) {
  ULARGE_INTEGER free{}, total{};
  ASSERT_TRUE(fs.GetDiskFreeSpaceExA((root + "\\").c_str(), &free, &total, nullptr)) << fs.GetLastError();
  EXPECT_GT(total.QuadPart, 0u);
  EXPECT_LE(free.QuadPart, total.QuadPart);
}

TEST_F(FileSystemContract, OwnModulePathIsFullAndACutPathFillsTheBuffer) {
  char path[MAX_PATH];
  DWORD length = fs.GetModuleFileNameA(nullptr, path, MAX_PATH);
  ASSERT_GT(length, 3u);
  ASSERT_LT(length, MAX_PATH);
  std::string text(path, length);
  EXPECT_EQ(text[1], ':');
  EXPECT_EQ(text.substr(text.size() - 4), ".exe");

  char small[11];
  std::memset(small, 'X', sizeof small);
  EXPECT_EQ(fs.GetModuleFileNameA(nullptr, small, 10), 10u) << "a cut path returns the buffer size";
  EXPECT_EQ(fs.GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(small[10], 'X') << "nothing is written past the buffer";
}

}  // namespace
