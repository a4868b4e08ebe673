// What the narrowing of the DLL search relies on: the system folder's
// length and sizing, the system's DLLs found there by full path, a missing
// one not loaded, and the version of Windows.
#include <gtest/gtest.h>

#include <string>

#include "tests/contract/dll_search/harness.h"
#include "tests/support/system_folder_check.h"

namespace {

TEST(DllSearchContract, TheSystemFolderIsSizedAsDocumentedAndHoldsTheSystemDlls) {
  platform::DllSearch& dlls = contract::StockDllSearch();
  const std::string system = testing_support::ExpectSystemFolderSizedAsDocumented(dlls);
  EXPECT_NE(dlls.GetFileAttributesA((system + "\\version.dll").c_str()), 0xFFFFFFFFu);
  EXPECT_EQ(dlls.GetFileAttributesA((system + "\\no-such-library.dll").c_str()), 0xFFFFFFFFu);
  EXPECT_NE(dlls.LoadLibraryExA((system + "\\version.dll").c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH), nullptr);
  EXPECT_EQ(dlls.LoadLibraryExA((system + "\\no-such-library.dll").c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH),
            nullptr);
}

TEST(DllSearchContract, TheVersionIsGivenOnlyForTheStructureItsSizeNames) {
  platform::DllSearch& dlls = contract::StockDllSearch();
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  ASSERT_TRUE(dlls.GetVersionExA(&version));
  EXPECT_GE(version.dwMajorVersion, 5u);
  OSVERSIONINFOA unsized{};
  EXPECT_FALSE(dlls.GetVersionExA(&unsized));
}

}  // namespace
