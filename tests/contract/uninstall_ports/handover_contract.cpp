// The handover port: the fake must answer as the kernel does.
#include <gtest/gtest.h>

#include <cstddef>
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

namespace {

class HandoverCopyFolderContract : public HandoverContract {};

TEST_F(HandoverCopyFolderContract, RandomBitsFillTheBufferAndNoMore) {
  BYTE first[9], second[9];
  std::memset(first, '#', sizeof first);
  std::memset(second, '#', sizeof second);
  ASSERT_TRUE(handover.RtlGenRandom(first, 8));
  ASSERT_TRUE(handover.RtlGenRandom(second, 8));
  EXPECT_NE(std::memcmp(first, second, 8), 0) << "two draws differ";
  EXPECT_EQ(first[8], '#');
  EXPECT_EQ(second[8], '#');
}

// Wine runs every program as an administrator, and the fake does too unless told otherwise.
TEST_F(HandoverCopyFolderContract, TheAdministratorsGroupIsAskedForWithItsSid) {
  BYTE sid[SECURITY_MAX_SID_SIZE];
  DWORD size = 4;
  EXPECT_FALSE(handover.CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, sid, &size));
  EXPECT_EQ(handover.GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(size, 16u) << "S-1-5-32-544";
  size = sizeof sid;
  ASSERT_TRUE(handover.CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, sid, &size));
  EXPECT_EQ(size, 16u);
  BOOL member = FALSE;
  ASSERT_TRUE(handover.CheckTokenMembership(nullptr, sid, &member));
  EXPECT_TRUE(member);
}

TEST_F(HandoverCopyFolderContract, TheFoldersSecurityIsReadFromItsStringFormAndFreed) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  ULONG size = 0;
  ASSERT_TRUE(handover.ConvertStringSecurityDescriptorToSecurityDescriptorA(
      "D:P(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)(A;OICI;0x1200a9;;;BU)", SDDL_REVISION_1, &descriptor, &size));
  EXPECT_NE(descriptor, nullptr);
  EXPECT_GT(size, 0u);
  EXPECT_EQ(handover.LocalFree(descriptor), nullptr);
  EXPECT_FALSE(
      handover.ConvertStringSecurityDescriptorToSecurityDescriptorA("D:(A;;FA;;;BA)", 2, &descriptor, nullptr));
  EXPECT_EQ(handover.GetLastError(), static_cast<DWORD>(ERROR_UNKNOWN_REVISION));
  EXPECT_FALSE(handover.ConvertStringSecurityDescriptorToSecurityDescriptorA("D:(A;;FA;;;BA", SDDL_REVISION_1,
                                                                             &descriptor, nullptr));
}

// A rename of the handle's file to "\\??\\<name>"; the status.
NTSTATUS RenameByHandle(contract::UninstallPortsHarness& harness, HANDLE file, const std::string& name) {
  WCHAR wide[MAX_PATH + 4] = {};
  const int length = harness.Reader().MultiByteToWideChar(CP_ACP, 0, ("\\??\\" + name).c_str(), -1, wide, MAX_PATH + 4);
  alignas(FILE_RENAME_INFORMATION) BYTE buffer[sizeof(FILE_RENAME_INFORMATION) + sizeof wide] = {};
  auto* rename = reinterpret_cast<FILE_RENAME_INFORMATION*>(buffer);
  rename->FileNameLength = static_cast<ULONG>(length - 1) * sizeof(WCHAR);
  std::memcpy(rename->FileName, wide, rename->FileNameLength);
  IO_STATUS_BLOCK status{};
  return harness.Handover().NtSetInformationFile(
      file, &status, rename, static_cast<ULONG>(offsetof(FILE_RENAME_INFORMATION, FileName)) + rename->FileNameLength,
      FileRenameInformation);
}

// As the copy leaves its folder: its file, held open for deletion at the
// last close, is renamed through that handle and deleted under its new name
// when the handle closes.
TEST_F(HandoverCopyFolderContract, AFileHeldForDeletionIsRenamedByItsHandleAndDeletedUnderItsNewName) {
  const std::string folder = root + "\\copy";
  ASSERT_TRUE(harness->MakeFolder(folder));
  const std::string path = folder + "\\Uninstall.exe", movedOut = root + "\\copy.exe";
  ASSERT_TRUE(harness->WriteFile(path, "MZ"));
  HANDLE file = handover.CreateFileA(path.c_str(), GENERIC_READ | DELETE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                     OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  ASSERT_TRUE(harness->WriteFile(root + "\\taken.exe", "somebody's"));
  EXPECT_EQ(static_cast<DWORD>(RenameByHandle(*harness, file, root + "\\taken.exe")), 0xC0000035u)
      << "STATUS_OBJECT_NAME_COLLISION";
  EXPECT_EQ(harness->ReadFile(root + "\\taken.exe"), "somebody's");

  ASSERT_EQ(RenameByHandle(*harness, file, movedOut), 0);
  EXPECT_FALSE(harness->FileExists(path));
  EXPECT_TRUE(harness->FileExists(movedOut));
  EXPECT_TRUE(handover.CloseHandle(file));
  EXPECT_FALSE(harness->FileExists(movedOut)) << "deleted under its new name";
  EXPECT_TRUE(handover.MoveFileExA(folder.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT)) << "as an administrator";
}

// A new folder made and opened in one step, as the copy's folder is: with
// the folder's security, inheritable, without sharing its deletion; the status.
NTSTATUS CreateHeldFolder(contract::UninstallPortsHarness& harness, const std::string& folder, HANDLE& handle) {
  WCHAR wide[MAX_PATH + 4] = {};
  const int length =
      harness.Reader().MultiByteToWideChar(CP_ACP, 0, ("\\??\\" + folder).c_str(), -1, wide, MAX_PATH + 4);
  UNICODE_STRING name{static_cast<USHORT>((length - 1) * sizeof(WCHAR)), static_cast<USHORT>(length * sizeof(WCHAR)),
                      wide};
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  harness.Handover().ConvertStringSecurityDescriptorToSecurityDescriptorA(
      "D:P(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)(A;OICI;0x1200a9;;;BU)", SDDL_REVISION_1, &descriptor, nullptr);
  OBJECT_ATTRIBUTES attributes{};
  attributes.Length = sizeof attributes;
  attributes.ObjectName = &name;
  attributes.Attributes = OBJ_CASE_INSENSITIVE | OBJ_INHERIT;
  attributes.SecurityDescriptor = descriptor;
  IO_STATUS_BLOCK status{};
  const NTSTATUS result = harness.Handover().NtCreateFile(
      &handle, FILE_LIST_DIRECTORY | SYNCHRONIZE, &attributes, &status, nullptr, FILE_ATTRIBUTE_NORMAL,
      FILE_SHARE_READ | FILE_SHARE_WRITE, FILE_CREATE,
      FILE_DIRECTORY_FILE | FILE_SYNCHRONOUS_IO_NONALERT | FILE_OPEN_REPARSE_POINT, nullptr, 0);
  harness.Handover().LocalFree(descriptor);
  return result;
}

TEST_F(HandoverCopyFolderContract, AFolderMadeAndHeldInOneStepStaysUntilItsHandleCloses) {
  ASSERT_TRUE(harness->MakeFolder(root + "\\taken folder"));
  ASSERT_TRUE(harness->WriteFile(root + "\\taken file", "somebody's"));
  HANDLE handle = nullptr;
  for (const char* taken : {"taken folder", "taken file"})
    EXPECT_EQ(static_cast<DWORD>(CreateHeldFolder(*harness, root + "\\" + taken, handle)), 0xC0000035u)
        << taken << ": STATUS_OBJECT_NAME_COLLISION";
  EXPECT_EQ(harness->ReadFile(root + "\\taken file"), "somebody's");

  const std::string folder = root + "\\held", moved = root + "\\moved";
  ASSERT_EQ(CreateHeldFolder(*harness, folder, handle), 0);
  EXPECT_TRUE(harness->FolderExists(folder));
  EXPECT_FALSE(harness->RemoveFolder(folder)) << "while held";
  EXPECT_FALSE(harness->MoveFolder(folder, moved)) << "while held";
  EXPECT_TRUE(harness->FolderExists(folder));
  EXPECT_TRUE(handover.CloseHandle(handle));
  EXPECT_TRUE(harness->MoveFolder(folder, moved));
  EXPECT_TRUE(harness->RemoveFolder(moved));
  EXPECT_FALSE(harness->FolderExists(moved));
}

}  // namespace
