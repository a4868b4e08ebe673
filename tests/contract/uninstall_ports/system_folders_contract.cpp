// The system-folders port: the fake must answer as shell32 and the kernel do.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/contract/uninstall_ports/harness.h"

namespace {

class SystemFoldersContract : public ::testing::Test {
 protected:
  std::unique_ptr<contract::UninstallPortsHarness> harness = contract::MakeUninstallPortsHarness();
  platform::SystemFolders& system = harness->System();
};

TEST_F(SystemFoldersContract, AFolderComesWithoutATrailingBackslashAndAnUnknownIdFails) {
  char path[MAX_PATH + 1];
  std::memset(path, '#', sizeof path);
  ASSERT_EQ(system.SHGetFolderPathA(nullptr, CSIDL_WINDOWS | CSIDL_FLAG_DONT_VERIFY, nullptr, SHGFP_TYPE_CURRENT, path),
            S_OK);
  const std::string windows(path, strnlen(path, MAX_PATH));
  EXPECT_EQ(windows.size(), 10u) << windows;  // C:\windows in both
  EXPECT_NE(windows.back(), '\\');
  EXPECT_TRUE(harness->FolderExists(windows)) << windows;
  EXPECT_EQ(path[MAX_PATH], '#');
  EXPECT_FALSE(SUCCEEDED(system.SHGetFolderPathA(nullptr, 0x7e, nullptr, SHGFP_TYPE_CURRENT, path)));
}

// The count for double-byte text differs (Wine counts characters, the fake
// bytes); what holds is that it fits and that the text is whole.
TEST_F(SystemFoldersContract, ExpansionFitsAndLeavesUnknownNamesAlone) {
  char buffer[MAX_PATH];
  DWORD size = system.ExpandEnvironmentStringsA("%SystemRoot%\\表", buffer, MAX_PATH);
  EXPECT_GT(size, 0u);
  EXPECT_LE(size, std::strlen(buffer) + 1) << buffer;
  EXPECT_EQ(std::string(buffer).substr(std::strlen(buffer) - 3), "\\表");
  EXPECT_EQ(std::string(buffer).find('%'), std::string::npos) << buffer;
  size = system.ExpandEnvironmentStringsA("%TESSAL_NOT_SET%\\x", buffer, MAX_PATH);
  EXPECT_STREQ(buffer, "%TESSAL_NOT_SET%\\x");
  EXPECT_EQ(size, std::strlen(buffer) + 1);
  char small[4];
  std::memset(small, '#', sizeof small);
  EXPECT_GT(system.ExpandEnvironmentStringsA("%SystemRoot%", small, 2), 2u) << "the size needed";
  EXPECT_EQ(small[2], '#');
}

}  // namespace
