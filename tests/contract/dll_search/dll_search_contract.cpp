// What the narrowing of the DLL search relies on: the system folder's
// length and sizing, the system's DLLs found there by full path, a missing
// one not loaded, and the version of Windows.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/contract/dll_search/harness.h"

namespace {

TEST(DllSearchContract, TheSystemFolderIsSizedAsDocumentedAndHoldsTheSystemDlls) {
  platform::DllSearch& dlls = contract::StockDllSearch();
  char tiny[4] = {'x', 'x', 'x', 'x'};
  const UINT needed = dlls.GetSystemDirectoryA(tiny, sizeof tiny);
  char folder[MAX_PATH] = {};
  const UINT length = dlls.GetSystemDirectoryA(folder, MAX_PATH);
  ASSERT_GT(length, 3u);
  EXPECT_EQ(length, std::strlen(folder));
  EXPECT_EQ(needed, length + 1) << "too small a buffer gets the size with terminator";
  EXPECT_NE(folder[length - 1], '\\');

  const std::string system(folder);
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
