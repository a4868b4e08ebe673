// The append port: the fake must answer as Windows does.
#include <gtest/gtest.h>

#include "tests/contract/ports/harness.h"
#include "tests/support/bytes.h"

namespace {

class AppendFileContract : public ::testing::Test {
 protected:
  std::unique_ptr<contract::FileSystemHarness> harness = contract::MakeFileSystemHarness();
  platform::AppendFile& port = harness->Appender();
  std::string root = harness->Scratch();

  BOOL Append(const std::string& path, const std::string& bytes) {
    return port.AppendToFileA(path.c_str(), bytes.data(), static_cast<DWORD>(bytes.size()));
  }
};

TEST_F(AppendFileContract, CreatesAMissingFileAndAddsEveryLaterWriteAtItsEnd) {
  // A blank and a double-byte character with a 0x5C trail byte in the name.
  const std::string fresh = root + "\\表 log.txt";
  EXPECT_TRUE(Append(fresh, "one\r\n"));
  EXPECT_TRUE(Append(fresh, "two\r\n"));
  EXPECT_BYTES(harness->ReadFile(fresh), "one\r\ntwo\r\n");

  const std::string existing = root + "\\old.log";
  harness->WriteFile(existing, "kept\r\n");
  EXPECT_TRUE(Append(existing, "added\r\n"));
  EXPECT_BYTES(harness->ReadFile(existing), "kept\r\nadded\r\n");
}

TEST_F(AppendFileContract, RefusesAMissingFolderAndAFolderName) {
  EXPECT_FALSE(Append(root + "\\missing\\setup.log", "x"));
  EXPECT_EQ(port.GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
  EXPECT_FALSE(Append(root, "x")) << "a folder is no file to append to";
  EXPECT_EQ(port.GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
}

}  // namespace
