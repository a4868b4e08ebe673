// Narrowing the DLL search at start: the system folder alone where Windows
// can be told so (not on Vista), otherwise no current directory and the
// later-loaded DLLs taken from the system folder by full path now.
#include "platform/dll_search.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_dll_search.h"

namespace {

using Calls = std::vector<std::string>;

const Calls kFallback = {
    "GetVersionExA",
    "SetDllDirectoryA \"\"",
    "GetSystemDirectoryA",
    "LoadLibraryExA C:\\WINDOWS\\system32\\uxtheme.dll 8",
    "LoadLibraryExA C:\\WINDOWS\\system32\\version.dll 8",
};

TEST(NarrowDllSearch, TakesTheSystemFolderAloneWhereWindowsCanBeToldSo) {
  struct Row {
    const char* name;
    DWORD major, minor;
    bool hasSetDefault;
    Calls expected;
  } rows[] = {
      {"Windows 10", 10, 0, true, {"GetVersionExA", "SetDefaultDllDirectories 2048"}},
      {"Windows 7 with the update", 6, 1, true, {"GetVersionExA", "SetDefaultDllDirectories 2048"}},
      {"Windows 7 without it",
       6,
       1,
       false,
       {"GetVersionExA", "SetDefaultDllDirectories 2048", kFallback[1], kFallback[2], kFallback[3], kFallback[4]}},
      {"Vista with the update: the shell-link object needs the wider search", 6, 0, true, kFallback},
      {"XP",
       5,
       1,
       false,
       {"GetVersionExA", "SetDefaultDllDirectories 2048", kFallback[1], kFallback[2], kFallback[3], kFallback[4]}},
  };
  for (const Row& row : rows) {
    platform::FakeDllSearch dlls;
    dlls.majorVersion = row.major;
    dlls.minorVersion = row.minor;
    dlls.hasSetDefaultDllDirectories = row.hasSetDefault;
    dlls.systemDlls = {"kernel32.dll", "uxtheme.dll", "version.dll"};  // the rest not on this Windows
    platform::NarrowDllSearch(dlls);
    EXPECT_EQ(dlls.calls, row.expected) << row.name;
  }
}

TEST(NarrowDllSearch, LoadsNothingFromASystemFolderThatDoesNotFit) {
  platform::FakeDllSearch dlls;
  dlls.hasSetDefaultDllDirectories = false;
  dlls.systemFolder = "C:\\" + std::string(MAX_PATH, 'w');
  platform::NarrowDllSearch(dlls);
  EXPECT_EQ(dlls.calls.back(), "GetSystemDirectoryA");
}

}  // namespace
