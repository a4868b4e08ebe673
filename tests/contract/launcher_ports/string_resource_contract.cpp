// Texts of a string table, loaded by identifier in the ANSI code page.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/contract/launcher_ports/harness.h"
#include "tests/support/bytes.h"

namespace {

struct StringCase {
  const char* name;
  UINT id;
  int size;
  std::string expected;
};

class StringResourceContract : public ::testing::TestWithParam<StringCase> {};

TEST_P(StringResourceContract, LoadsIntoTheBuffer) {
  const StringCase& row = GetParam();
  auto harness = launcher_contract::MakeHarness();
  char buffer[64];
  std::memset(buffer, '#', sizeof buffer);
  int count = harness->Strings().LoadStringA(harness->StringsInstance(), row.id, buffer, row.size);
  EXPECT_EQ(count, static_cast<int>(row.expected.size()));
  EXPECT_BYTES(std::string(buffer, count), row.expected);
  if (count > 0) {
    EXPECT_EQ(buffer[count], '\0');
  }
  EXPECT_EQ(buffer[row.size], '#') << "written past the buffer";
}

INSTANTIATE_TEST_SUITE_P(Strings, StringResourceContract,
                         ::testing::Values(StringCase{"Ascii", launcher_contract::kShortTextId, 32,
                                                      launcher_contract::kShortText},
                                           StringCase{"JapaneseInCodePage932", launcher_contract::kJapaneseTextId, 32,
                                                      launcher_contract::kJapaneseText},
                                           StringCase{"CutToTheBuffer", launcher_contract::kShortTextId, 4, "Tes"},
                                           StringCase{"UnknownId", 99, 32, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
