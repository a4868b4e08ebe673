// The setup program's switches: what is read from a command line, and what
// makes one not valid.
#include "setup/engine/setup_command_line.h"

#include <gtest/gtest.h>

#include "tests/support/bytes.h"

namespace {

TEST(SetupCommandLine, SwitchesAreReadInAnyOrderAndAnyCase) {
  const struct {
    const char* name;
    std::string arguments;
    bool silent;
    std::optional<std::string> folder, logFile;
    bool sendTo, xml, startMenu, desktop;
  } rows[] = {
      {"nothing", "", false, {}, {}, false, false, false, false},
      {"silent alone", "/SILENT", true, {}, {}, false, false, false, false},
      {"lower case, reversed order", "/log=C:\\s.log /tasks=desktop /dir=C:\\t /silent", true, "C:\\t", "C:\\s.log",
       false, false, false, true},
      {"quoted values with blanks and double bytes",
       "/SILENT /DIR=\"C:\\表 ソフト\\tessal\" \"/LOG=C:\\ログ ファイル.txt\"", true, "C:\\表 ソフト\\tessal",
       "C:\\ログ ファイル.txt", false, false, false, false},
      {"a trailing backslash stays",
       "/SILENT /DIR=\"C:\\tessal\\\"",
       true,
       "C:\\tessal\\",
       {},
       false,
       false,
       false,
       false},
      {"all four tasks", "/SILENT /TASKS=\"SendTo,XML,startmenu,Desktop\"", true, {}, {}, true, true, true, true},
      {"an empty task list is none", "/SILENT /TASKS=\"\"", true, {}, {}, false, false, false, false},
      {"a log without silent", "/LOG=C:\\w.log", false, {}, "C:\\w.log", false, false, false, false},
  };
  for (const auto& row : rows) {
    engine::SetupCommandLine line = engine::ParseSetupCommandLine(row.arguments);
    EXPECT_TRUE(line.valid) << row.name << ": " << line.error;
    EXPECT_EQ(line.silent, row.silent) << row.name;
    EXPECT_BYTES(line.folder.value_or("<none>"), row.folder.value_or("<none>")) << row.name;
    EXPECT_BYTES(line.logFile.value_or("<none>"), row.logFile.value_or("<none>")) << row.name;
    EXPECT_EQ((std::vector<bool>{line.sendTo, line.xml, line.startMenu, line.desktop}),
              (std::vector<bool>{row.sendTo, row.xml, row.startMenu, row.desktop}))
        << row.name;
  }
}

TEST(SetupCommandLine, WrongLinesAreNotValidAndStillShowWhetherTheyAreSilent) {
  const struct {
    const char* name;
    std::string arguments;
    bool silent;
  } rows[] = {
      {"/DIR without a value", "/SILENT /DIR", true},
      {"/DIR with an empty value", "/SILENT /DIR=\"\"", true},
      {"/LOG without a value", "/SILENT /LOG=", true},
      {"an unknown task", "/SILENT /TASKS=foo", true},
      {"an empty task between commas", "/SILENT /TASKS=xml,,desktop", true},
      {"an unknown switch", "/SILENT /VERYSILENT", true},
      {"a word that is no switch", "/SILENT install", true},
      {"a switch twice", "/SILENT /DIR=a /dir=b", true},
      {"silent twice", "/SILENT /silent", true},
      {"silent with a value", "/SILENT=1", true},
      {"a wrong line without silent", "/DIR", false},
  };
  for (const auto& row : rows) {
    engine::SetupCommandLine line = engine::ParseSetupCommandLine(row.arguments);
    EXPECT_FALSE(line.valid) << row.name;
    EXPECT_FALSE(line.error.empty()) << row.name;
    EXPECT_EQ(line.silent, row.silent) << row.name;
  }
}

}  // namespace
