// The uninstaller's switches.
#include <gtest/gtest.h>

#include "tests/support/bytes.h"
#include "uninstall/command_line.h"

namespace {

TEST(UninstallCommandLine, SwitchesInAnyCaseOnceEachWithQuotedValuesKeptByteForByte) {
  struct Row {
    const char* name;
    std::string arguments;
    bool valid, silent;
    std::string log;
    bool silentSeen;
  } rows[] = {
      {"none", "", true, false, "", false},
      {"silent", "/SILENT", true, true, "", true},
      {"lower case", "/silent", true, true, "", true},
      {"quoted log with a blank and 0x5C trail bytes", "/Silent /LOG=\"C:\\ログ 表\\ソ.log\"", true, true,
       "C:\\ログ 表\\ソ.log", true},
      {"log first, unquoted", "/log=C:\\表.log  /SILENT", true, true, "C:\\表.log", true},
      {"log without silent", "/LOG=\"a.log\"", true, false, "a.log", false},
      {"repeated silent", "/SILENT /SILENT", false, false, "", true},
      {"repeated log", "/LOG=a /LOG=b", false, false, "", false},
      {"log without value", "/SILENT /LOG", false, false, "", true},
      {"log with empty value", "/LOG= /SILENT", false, false, "", true},
      {"log with empty quotes", "/LOG=\"\"", false, false, "", false},
      {"unclosed quote", "/SILENT /LOG=\"C:\\a b", false, false, "", true},
      {"text after the closing quote", "/LOG=\"a\"b", false, false, "", false},
      {"silent with a value", "/SILENT=1", false, false, "", false},
      {"unknown switch", "/SILENT /QUIET", false, false, "", true},
      {"a word without slash", "SILENT", false, false, "", false},
  };
  for (const Row& row : rows) {
    const uninstall::SwitchesParse parse = uninstall::ParseSwitches(row.arguments);
    EXPECT_EQ(parse.switches.has_value(), row.valid) << row.name;
    EXPECT_EQ(parse.silentSeen, row.silentSeen) << row.name;
    if (parse.switches && row.valid) {
      EXPECT_EQ(parse.switches->silent, row.silent) << row.name;
      EXPECT_BYTES(parse.switches->log, row.log) << row.name;
    }
  }
}

}  // namespace
