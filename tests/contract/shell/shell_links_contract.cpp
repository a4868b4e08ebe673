// The shell-link port: the fake must answer as the shell does.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "tests/contract/shell/shell_harness.h"
#include "tests/support/bytes.h"

namespace {

class ShellLinksContract : public ::testing::Test {
 protected:
  std::unique_ptr<contract::ShellHarness> harness = contract::MakeShellHarness();
  platform::ShellLinks& shell = harness->Port();
  std::string root = harness->Scratch();

  std::vector<WCHAR> Wide(const std::string& text) {
    std::vector<WCHAR> wide(MAX_PATH);
    int count = shell.MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), MAX_PATH);
    EXPECT_GT(count, 0) << text;
    return wide;
  }

  // One link, as the setup program writes it; the HRESULT of the save.
  HRESULT WriteLink(const std::string& target, const std::string& linkPath, const std::string& folder) {
    std::unique_ptr<platform::ShellLink> link;
    HRESULT hr = shell.CoCreateShellLink(&link);
    if (FAILED(hr)) return hr;
    link->SetPath(target.c_str());
    link->SetWorkingDirectory(folder.c_str());
    std::unique_ptr<platform::PersistFile> file;
    hr = link->QueryPersistFile(&file);
    if (FAILED(hr)) return hr;
    return file->Save(Wide(linkPath).data(), TRUE);
  }
};

TEST_F(ShellLinksContract, ALinkKeepsItsTargetAndWorkingDirectory) {
  ASSERT_TRUE(SUCCEEDED(shell.CoInitialize(nullptr)));
  std::string target = root + "\\Program Files\\tessal\\tessal.exe";
  ASSERT_TRUE(harness->MakeFolder(root + "\\Program Files"));
  ASSERT_TRUE(harness->MakeFolder(root + "\\Program Files\\tessal"));
  ASSERT_TRUE(harness->WriteFile(target, "MZ"));
  EXPECT_EQ(WriteLink(target, root + "\\Tessal.lnk", root + "\\Program Files\\tessal"), S_OK);
  shell.CoUninitialize();

  auto saved = harness->ReadLink(root + "\\Tessal.lnk");
  ASSERT_TRUE(saved.has_value());
  EXPECT_BYTES(saved->target, target);
  EXPECT_BYTES(saved->workingDirectory, root + "\\Program Files\\tessal");
}

TEST_F(ShellLinksContract, JapaneseNamesSurviveTheWideConversion) {
  ASSERT_TRUE(SUCCEEDED(shell.CoInitialize(nullptr)));
  std::string folder = root + "\\表ソフト";
  ASSERT_TRUE(harness->MakeFolder(folder));
  std::string target = folder + "\\tessal.exe";
  ASSERT_TRUE(harness->WriteFile(target, "MZ"));
  EXPECT_EQ(WriteLink(target, folder + "\\ショートカット.lnk", folder), S_OK);
  shell.CoUninitialize();
  auto saved = harness->ReadLink(folder + "\\ショートカット.lnk");
  ASSERT_TRUE(saved.has_value());
  EXPECT_BYTES(saved->target, target);
}

TEST_F(ShellLinksContract, SavingIntoAMissingFolderFailsAndAnExistingLinkIsReplaced) {
  ASSERT_TRUE(SUCCEEDED(shell.CoInitialize(nullptr)));
  std::string target = root + "\\app.exe";
  ASSERT_TRUE(harness->WriteFile(target, "MZ"));
  EXPECT_TRUE(FAILED(WriteLink(target, root + "\\missing\\Tessal.lnk", root)));
  EXPECT_FALSE(harness->FileExists(root + "\\missing\\Tessal.lnk"));

  std::string other = root + "\\other.exe";
  ASSERT_TRUE(harness->WriteFile(other, "MZ"));
  EXPECT_EQ(WriteLink(target, root + "\\Tessal.lnk", root), S_OK);
  EXPECT_EQ(WriteLink(other, root + "\\Tessal.lnk", root), S_OK);
  shell.CoUninitialize();
  auto saved = harness->ReadLink(root + "\\Tessal.lnk");
  ASSERT_TRUE(saved.has_value());
  EXPECT_BYTES(saved->target, other);
}

TEST_F(ShellLinksContract, AMissingTargetIsAcceptedWithSFalseAndStillSaved) {
  ASSERT_TRUE(SUCCEEDED(shell.CoInitialize(nullptr)));
  std::unique_ptr<platform::ShellLink> link;
  ASSERT_EQ(shell.CoCreateShellLink(&link), S_OK);
  EXPECT_EQ(link->SetPath((root + "\\absent.exe").c_str()), S_FALSE);
  std::unique_ptr<platform::PersistFile> file;
  ASSERT_EQ(link->QueryPersistFile(&file), S_OK);
  EXPECT_EQ(file->Save(Wide(root + "\\absent.lnk").data(), TRUE), S_OK);
  file.reset();
  link.reset();
  shell.CoUninitialize();
  EXPECT_TRUE(harness->FileExists(root + "\\absent.lnk"));
}

TEST_F(ShellLinksContract, ComStartsOnceAndNestsWithSFalse) {
  EXPECT_EQ(shell.CoInitialize(nullptr), S_OK);
  EXPECT_EQ(shell.CoInitialize(nullptr), S_FALSE);
  shell.CoUninitialize();
  shell.CoUninitialize();
}

TEST_F(ShellLinksContract, ConversionCountsTheTerminatorAndRefusesAShortBuffer) {
  std::string path = "C:\\表\\a.lnk";  // 表 is one UTF-16 unit
  EXPECT_EQ(shell.MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0), 11);
  WCHAR small[4 + 1];
  std::memset(small, 0x55, sizeof small);
  EXPECT_EQ(shell.MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, small, 4), 0);
  EXPECT_EQ(small[4], static_cast<WCHAR>(0x5555)) << "nothing past the buffer";
}

}  // namespace
