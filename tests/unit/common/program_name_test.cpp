// The program name skipped as Windows starts a program: quoted or not,
// double-byte paths with 0x5C trail bytes and blanks, passed exactly as
// given (Windows) or quoted (Wine, some starters).
#include "platform/program_name.h"

#include <gtest/gtest.h>

#include "tests/support/bytes.h"

namespace {

TEST(ProgramName, IsSkippedAsWindowsStartsTheProgram) {
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
      {"setup's own path unquoted with a blank, as distribution tools start it", "C:\\My Media\\Setup.exe /SILENT",
       "C:\\My Media\\Setup.exe", "/SILENT"},
      {"blanks before the name", "  \"D:\\Setup.exe\" /SILENT", "D:\\Setup.exe", "/SILENT"},
      {"a tab after the name", "Setup.exe\t/LOG=a", "D:\\Setup.exe", "/LOG=a"},
      {"no name, as a starter may pass it", "/SILENT /DIR=x", "D:\\Setup.exe", "/SILENT /DIR=x"},
  };
  for (const Row& row : rows)
    EXPECT_BYTES(platform::ArgumentsAfterProgramName(row.line, row.ownPath), row.arguments) << row.name;
}

}  // namespace
