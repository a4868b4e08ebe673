// The reading shell-link port: the fake must read links as the shell does.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/contract/uninstall_ports/harness.h"
#include "tests/support/bytes.h"

namespace {

class ShellLinkReaderContract : public ::testing::Test {
 protected:
  std::unique_ptr<contract::UninstallPortsHarness> harness = contract::MakeUninstallPortsHarness();
  platform::ShellLinkReader& reader = harness->Reader();
  std::string root = harness->Scratch();

  // Load's HRESULT, and the target read into a buffer of the size given.
  HRESULT Read(const std::string& linkPath, std::string* target, int size = MAX_PATH) {
    EXPECT_TRUE(SUCCEEDED(reader.CoInitialize(nullptr)));
    HRESULT hr = E_FAIL;
    {
      std::unique_ptr<platform::LinkReader> link;
      std::unique_ptr<platform::LinkFileLoader> loader;
      WCHAR wide[MAX_PATH] = {};
      EXPECT_GT(reader.MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, wide, MAX_PATH), 0);
      if (SUCCEEDED(hr = reader.CoCreateLinkReader(&link)) && SUCCEEDED(hr = link->QueryLoader(&loader)) &&
          SUCCEEDED(hr = loader->Load(wide, STGM_READ))) {
        char buffer[MAX_PATH + 1];
        std::memset(buffer, '#', sizeof buffer);
        link->GetPath(buffer, size, nullptr, SLGP_RAWPATH);
        EXPECT_EQ(buffer[size], '#') << "nothing is written past the buffer";
        *target = std::string(buffer, strnlen(buffer, size));
      }
    }
    reader.CoUninitialize();
    return hr;
  }
};

TEST_F(ShellLinkReaderContract, ALinkSavedAsTheSetupProgramDoesReadsBackItsTarget) {
  for (const std::string& folder : {root + "\\Program Files", root + "\\表ソフト"}) {
    ASSERT_TRUE(harness->MakeFolder(folder));
    const std::string target = folder + "\\tessal.exe";
    ASSERT_TRUE(harness->WriteFile(target, "MZ"));
    ASSERT_TRUE(harness->WriteLink(target, folder + "\\Tessal.lnk", folder));
    std::string read;
    EXPECT_EQ(Read(folder + "\\Tessal.lnk", &read), S_OK) << folder;
    EXPECT_BYTES(read, target);
  }
}

TEST_F(ShellLinkReaderContract, TheTargetIsReadEvenWhenItIsGone) {
  const std::string target = root + "\\gone.exe";
  ASSERT_TRUE(harness->WriteLink(target, root + "\\Tessal.lnk", root));
  std::string read;
  EXPECT_EQ(Read(root + "\\Tessal.lnk", &read), S_OK);
  EXPECT_BYTES(read, target);
}

TEST_F(ShellLinkReaderContract, AFileThatIsNoLinkOrIsMissingFailsToLoad) {
  ASSERT_TRUE(harness->WriteFile(root + "\\plain.lnk", "not a link at all"));
  std::string read;
  EXPECT_TRUE(FAILED(Read(root + "\\plain.lnk", &read)));
  EXPECT_TRUE(FAILED(Read(root + "\\missing.lnk", &read)));
}

TEST_F(ShellLinkReaderContract, NoLinkObjectBeforeComIsStarted) {
  std::unique_ptr<platform::LinkReader> link;
  EXPECT_EQ(reader.CoCreateLinkReader(&link), CO_E_NOTINITIALIZED);
}

}  // namespace
