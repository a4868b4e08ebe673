// The finisher's arguments: what the original writes is read back whole,
// anything else is refused.
#include <gtest/gtest.h>

#include "tests/support/bytes.h"
#include "uninstall/finisher.h"

namespace {

HANDLE AsHandle(ULONG_PTR value) { return reinterpret_cast<HANDLE>(value); }

TEST(UninstallFinisher, ArgumentsRoundTrip) {
  for (const std::string path :
       {"C:\\Program Files\\tessal\\Uninstall.exe", "C:\\表\\Uninstall.exe", "C:\\ソフト ウェア\\UNINSTALL.EXE"}) {
    auto request = uninstall::ParseFinisherArguments(
        uninstall::FinisherArguments(AsHandle(0x1C4), AsHandle(0x1D0), AsHandle(0x1DC), path));
    ASSERT_TRUE(request.has_value()) << path;
    EXPECT_EQ(request->original, AsHandle(0x1C4));
    EXPECT_EQ(request->copyFile, AsHandle(0x1D0));
    EXPECT_EQ(request->copyFolder, AsHandle(0x1DC));
    EXPECT_BYTES(request->originalPath, path);
  }
}

TEST(UninstallFinisher, AnythingButThatFormIsRefused) {
  struct Row {
    const char* name;
    std::string arguments;
  } rows[] = {
      {"no switch", "452 460 468 \"C:\\t\\Uninstall.exe\""},
      {"other switch", "/finishing 452 460 468 \"C:\\t\\Uninstall.exe\""},
      {"no handle", "/finish \"C:\\t\\Uninstall.exe\""},
      {"one handle", "/finish 452 \"C:\\t\\Uninstall.exe\""},
      {"two handles", "/finish 452 460 \"C:\\t\\Uninstall.exe\""},
      {"zero file handle", "/finish 452 0 468 \"C:\\t\\Uninstall.exe\""},
      {"zero folder handle", "/finish 452 460 0 \"C:\\t\\Uninstall.exe\""},
      {"zero handle", "/finish 0 460 468 \"C:\\t\\Uninstall.exe\""},
      {"handle with letters", "/finish 452 46x 468 \"C:\\t\\Uninstall.exe\""},
      {"handle too long", "/finish 452 99999999999 468 \"C:\\t\\Uninstall.exe\""},
      {"path without quotes", "/finish 452 460 468 C:\\t\\Uninstall.exe"},
      {"unclosed quote", "/finish 452 460 468 \"C:\\t\\Uninstall.exe"},
      {"relative path", "/finish 452 460 468 \"t\\Uninstall.exe\""},
      {"another program", "/finish 452 460 468 \"C:\\t\\other.exe\""},
      {"more after the path", "/finish 452 460 468 \"C:\\t\\Uninstall.exe\" x"},
      {"path beyond MAX_PATH", "/finish 452 460 468 \"C:\\" + std::string(250, 'a') + "\\Uninstall.exe\""},
  };
  for (const Row& row : rows) EXPECT_FALSE(uninstall::ParseFinisherArguments(row.arguments).has_value()) << row.name;
}

}  // namespace
