// The handover port: the fake must answer as the kernel does.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/contract/uninstall_ports/harness.h"

namespace {

class HandoverContract : public ::testing::Test {
 protected:
  std::unique_ptr<contract::UninstallPortsHarness> harness = contract::MakeUninstallPortsHarness();
  platform::Handover& handover = harness->Handover();
  std::string root = harness->Scratch();
};

TEST_F(HandoverContract, TheTemporaryFolderEndsWithABackslashAndAShortBufferIsLeftAlone) {
  char buffer[MAX_PATH + 1];
  std::memset(buffer, '#', sizeof buffer);
  DWORD length = handover.GetTempPathA(MAX_PATH, buffer);
  ASSERT_GT(length, 0u);
  ASSERT_LT(length, MAX_PATH);
  std::string folder(buffer, length);
  EXPECT_EQ(folder.back(), '\\');
  EXPECT_TRUE(harness->FolderExists(folder)) << folder;

  char small[4];
  std::memset(small, '#', sizeof small);
  EXPECT_EQ(handover.GetTempPathA(2, small), length + 1) << "the size needed, with the terminator";
  EXPECT_EQ(small[2], '#');
  EXPECT_EQ(small[3], '#');
}

TEST_F(HandoverContract, AFileOpenedForDeletionOnCloseGoesAtItsLastClose) {
  struct Row {
    const char* name;
    DWORD flags;
    bool remains;
  } rows[] = {{"delete on close", FILE_FLAG_DELETE_ON_CLOSE, false}, {"plain", 0, true}};
  for (const Row& row : rows) {
    const std::string path = root + "\\" + row.name + ".exe";
    ASSERT_TRUE(harness->WriteFile(path, "MZ"));
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE file = handover.CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, &inheritable,
                                       OPEN_EXISTING, row.flags, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << row.name;
    EXPECT_TRUE(harness->FileExists(path)) << row.name << ": there while open";
    EXPECT_TRUE(handover.CloseHandle(file)) << row.name;
    EXPECT_EQ(harness->FileExists(path), row.remains) << row.name;
  }
  EXPECT_EQ(handover.CreateFileA((root + "\\missing.exe").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                 OPEN_EXISTING, 0, nullptr),
            INVALID_HANDLE_VALUE);
}

TEST_F(HandoverContract, ThisProcessCanBeOpenedForWaitingAndClosedOnce) {
  HANDLE self = handover.OpenProcess(SYNCHRONIZE, TRUE, handover.GetCurrentProcessId());
  ASSERT_NE(self, nullptr);
  EXPECT_TRUE(handover.CloseHandle(self));
  EXPECT_FALSE(handover.CloseHandle(self));
}

TEST_F(HandoverContract, ANamedMutexIsThereWhileAnyHandleToItIsOpen) {
  const std::string name = "Global\\TessalContract" + root.substr(root.size() - 6);
  SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE first = handover.CreateMutexA(&inheritable, FALSE, name.c_str());
  ASSERT_NE(first, nullptr);
  EXPECT_NE(handover.GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
  HANDLE second = handover.CreateMutexA(nullptr, FALSE, name.c_str());
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(handover.GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS)) << "the second finds the first's";
  EXPECT_TRUE(handover.CloseHandle(first));
  HANDLE third = handover.CreateMutexA(nullptr, FALSE, name.c_str());
  EXPECT_EQ(handover.GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS)) << "one handle keeps it";
  EXPECT_TRUE(handover.CloseHandle(second));
  EXPECT_TRUE(handover.CloseHandle(third));
  HANDLE fresh = handover.CreateMutexA(nullptr, FALSE, name.c_str());
  EXPECT_NE(handover.GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS)) << "gone with its last handle";
  EXPECT_TRUE(handover.CloseHandle(fresh));
}

}  // namespace
