// The command line as the system gives it: the program name skipped as
// Windows starts the program (quoted or not, double-byte paths with 0x5C
// trail bytes and blanks), then the switches.
#include <gtest/gtest.h>

#include "tests/support/bytes.h"
#include "uninstall/command_line.h"

namespace {

TEST(UninstallCommandLine, TheProgramNameIsSkippedAsWindowsStartsIt) {
  const std::string blank = "C:\\作業 フォルダ\\Uninstall.exe";
  struct Row {
    const char* name;
    std::string line, ownPath, arguments;
  } rows[] = {
      {"unquoted Japanese folder, as the list of programs starts it", "C:\\作業\\data\\Uninstall.exe",
       "C:\\作業\\data\\Uninstall.exe", ""},
      {"unquoted with switches", "C:\\作業\\data\\Uninstall.exe /SILENT", "C:\\作業\\data\\Uninstall.exe", "/SILENT"},
      {"quoted", "\"C:\\作業\\data\\Uninstall.exe\"  /SILENT", "C:\\作業\\data\\Uninstall.exe", "/SILENT"},
      {"unquoted with a blank, as Windows passes it", blank, blank, ""},
      {"unquoted with a blank and switches", blank + "\t/LOG=x", blank, "/LOG=x"},
      {"unquoted with a blank in other case", "c:\\作業 フォルダ\\UNINSTALL.EXE /SILENT", blank, "/SILENT"},
      {"quoted with a blank, as Wine passes it", "\"" + blank + "\" /SILENT", blank, "/SILENT"},
      // 表 and ソ are 95 5C and 83 5C: trail bytes that are no separators.
      {"0x5C trail bytes", "C:\\表\\ソ\\Uninstall.exe /SILENT", "C:\\表\\ソ\\Uninstall.exe", "/SILENT"},
      {"a short name ends at the first blank", "C:\\PROGRA~1\\tessal\\Uninstall.exe /SILENT",
       "C:\\Program Files\\tessal\\Uninstall.exe", "/SILENT"},
      {"own path only as a prefix", "C:\\a\\Uninstall.exe2 x", "C:\\a\\Uninstall.exe", "x"},
      {"no own path known", "C:\\作業\\Uninstall.exe /SILENT", "", "/SILENT"},
      {"the finisher's line", "\"C:\\TEMP\\TessalUninstall4660.exe\" /finish 1796 \"C:\\表\\Uninstall.exe\"",
       "C:\\TEMP\\TessalUninstall4660.exe", "/finish 1796 \"C:\\表\\Uninstall.exe\""},
      {"an unclosed quote", "\"C:\\a\\Uninstall.exe /SILENT", "C:\\a\\Uninstall.exe", ""},
      {"empty", "", "C:\\a\\Uninstall.exe", ""},
  };
  for (const Row& row : rows)
    EXPECT_BYTES(uninstall::ArgumentsAfterProgramName(row.line, row.ownPath), row.arguments) << row.name;
}

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
