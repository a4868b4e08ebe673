#include <gtest/gtest.h>

#include "setup/wizard/java_check.h"
#include "tests/support/bytes.h"

namespace {

TEST(IsSupportedJavaVersion, VersionTexts) {
  struct Row {
    const char* version;
    bool supported;
  } rows[] = {
      {"1.4", true},    {"1.5", true},
      {"1.6", true},    {"1.10", true},
      {"2.0", true},    {"1.8", true},
      {"1.3", false},   {"1.4.2", false},
      {"1.3.1", false}, {"2", false},
      {"", false},      {"0.9", false},
      {"1.", false},    {".4", false},
      {" 1.4", true},   {"+1.4", true},
      {"1. 4", true},   {"1.4 ", false},
      {"$1.$4", true},  {"0x1.0x3", false},
      {"x2.X0", true},  {"-1.9", false},
      {"1.-4", false},  {"1.4a", false},
      {"１.４", false}, {"99999999999.0", false},
  };
  for (const Row& row : rows)
    EXPECT_EQ(IsSupportedJavaVersion(row.version), row.supported) << '"' << row.version << '"';
}

TEST(TryStrToInt, AcceptedAndRejectedForms) {
  struct Row {
    const char* text;
    bool ok;
    long value;
  } rows[] = {
      {"42", true, 42},
      {"  7", true, 7},
      {"-3", true, -3},
      {"+5", true, 5},
      {"$1F", true, 31},
      {"0x10", true, 16},
      {"0X10", true, 16},
      {"x10", true, 16},
      {"-$10", true, -16},
      {"$FFFFFFFF", true, -1},
      {"2147483647", true, 2147483647},
      {"2147483648", false, 0},
      {"", false, 0},
      {" ", false, 0},
      {"-", false, 0},
      {"$", false, 0},
      {"0x", false, 0},
      {"1 ", false, 0},
      {"\t1", false, 0},
      {"1e3", false, 0},
      {"$1G", false, 0},
  };
  for (const Row& row : rows) {
    long value = 0;
    EXPECT_EQ(TryStrToInt(row.text, value), row.ok) << '"' << row.text << '"';
    if (row.ok) {
      EXPECT_EQ(value, row.value) << '"' << row.text << '"';
    }
  }
}

TEST(JavaCheckMessage, OneSentencePerFailureAndNothingOtherwise) {
  struct Row {
    int status;
    const char* message;
  } rows[] = {
      {jcOK, ""},
      {jcNotInstalled, "Java Runtime Environment 1.4がインストールされていません。"},
      {jcVersionTooOld, "Java Runtime Environment は1.4以降がインストールされていません。"},
      {jcHomeNotFound, "Java Runtime Environmentがみつかりません。"},
      {jcExtFolderNotFound, "Java Runtime Environmentの拡張ライブラリ格納フォルダがみつかりません。"},
      {jcSystemError, "システムエラーが発生しました。"},
      {6, ""},
      {255, ""},
  };
  for (const Row& row : rows) {
    TJavaCheckResult result;
    result.Status = static_cast<TJavaCheckStatus>(row.status);
    EXPECT_BYTES(JavaCheckMessage(result), row.message);
  }
}

}  // namespace
