#include "common/text.h"

#include <gtest/gtest.h>

#include "platform/cp932.h"

namespace {

TEST(Cp932LeadByte, RangesAreExactlyThoseOfCodePage932) {
  for (int byte = 0; byte < 256; ++byte) {
    bool expected = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    EXPECT_EQ(platform::IsCp932LeadByte(static_cast<unsigned char>(byte)), expected) << byte;
  }
}

TEST(TrimBlanksAndControls, CutsBytesUpTo32AtBothEndsOnly) {
  struct Row {
    const char* name;
    std::string text;
    std::string trimmed;
  };
  const Row rows[] = {
      {"empty", "", ""},
      {"only blanks and controls", " \t\r\n\x01 ", ""},
      {"both ends", "  C:\\a b  ", "C:\\a b"},
      {"ideographic space is kept", "\x81\x40", "\x81\x40"},
      {"double-byte character at the end", "\x95\x5C ", "\x95\x5C"},
  };
  for (const Row& row : rows) EXPECT_EQ(common::TrimBlanksAndControls(row.text), row.trimmed) << row.name;
}

TEST(LastDelimiter, SkipsTrailBytesThatLookLikeBackslashes) {
  EXPECT_EQ(common::LastDelimiter("C:\\a\\b", "\\:"), 4u);
  EXPECT_EQ(common::LastDelimiter("C:", "\\:"), 1u);
  EXPECT_EQ(common::LastDelimiter("tessal", "\\:"), std::string::npos);
  EXPECT_EQ(common::LastDelimiter("C:\\表", "\\:"), 2u) << "95 5C ends in a trail byte";
  EXPECT_EQ(common::LastDelimiter("ソ", "\\:"), std::string::npos);
  EXPECT_TRUE(common::IsPathDelimiterAt("a\\", 1));
  EXPECT_FALSE(common::IsPathDelimiterAt("表", 1));
  EXPECT_FALSE(common::IsPathDelimiterAt("a", 5)) << "past the end";
}

}  // namespace
