// The environment port: the fake must read variables and convert their
// text to the ANSI code page (932) as Windows does.
#include <gtest/gtest.h>

#include <vector>

#include "tests/contract/launcher_ports/harness.h"
#include "tests/support/bytes.h"

namespace {

std::vector<WCHAR> Wide(const std::u16string& text) {
  std::vector<WCHAR> wide(text.begin(), text.end());
  wide.push_back(0);
  return wide;
}

// C:\Java\ランタイム 17 表 (表 ends in the byte 0x5C in code page 932).
const std::u16string kJapaneseHome = u"C:\\Java\\\u30e9\u30f3\u30bf\u30a4\u30e0 17 \u8868";

class EnvironmentContract : public ::testing::Test {
 protected:
  std::unique_ptr<launcher_contract::Harness> harness = launcher_contract::MakeHarness();
  platform::Environment& env = harness->Environment();

  // The conversion with the size asked first, as the launcher makes it.
  std::string ToAnsi(const std::u16string& text, BOOL* usedDefault) {
    std::vector<WCHAR> wide = Wide(text);
    const int length = static_cast<int>(text.size());
    *usedDefault = FALSE;
    int size =
        env.WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, nullptr, 0, nullptr, usedDefault);
    std::vector<char> bytes(size + 1, '#');
    int written = env.WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, bytes.data(), size,
                                          nullptr, usedDefault);
    EXPECT_EQ(written, size);
    EXPECT_EQ(bytes[size], '#') << "written past the buffer";
    return std::string(bytes.data(), written > 0 ? written : 0);
  }
};

TEST_F(EnvironmentContract, ReadsAVariableWholeWhateverTheCaseOfItsName) {
  harness->SetVariable("TESSAL_CONTRACT_HOME", kJapaneseHome);
  std::vector<WCHAR> buffer(64, 0x2323);
  std::vector<WCHAR> name = Wide(u"tessal_contract_home");
  DWORD length = env.GetEnvironmentVariableW(name.data(), buffer.data(), static_cast<DWORD>(buffer.size()));
  ASSERT_EQ(length, kJapaneseHome.size());
  EXPECT_EQ(std::u16string(buffer.begin(), buffer.begin() + length), kJapaneseHome);
  EXPECT_EQ(buffer[length], 0);
}

TEST_F(EnvironmentContract, AShortBufferIsToldTheSizeWithTheTerminator) {
  harness->SetVariable("TESSAL_CONTRACT_HOME", kJapaneseHome);
  std::vector<WCHAR> buffer(8 + 1, 0x2323);
  std::vector<WCHAR> name = Wide(u"TESSAL_CONTRACT_HOME");
  EXPECT_EQ(env.GetEnvironmentVariableW(name.data(), buffer.data(), 8), kJapaneseHome.size() + 1);
  EXPECT_EQ(buffer[8], 0x2323) << "written past the buffer";
}

TEST_F(EnvironmentContract, AMissingVariableGivesZero) {
  std::vector<WCHAR> buffer(8, 0);
  std::vector<WCHAR> name = Wide(u"TESSAL_CONTRACT_NOT_SET");
  EXPECT_EQ(env.GetEnvironmentVariableW(name.data(), buffer.data(), 8), 0u);
}

struct ConversionCase {
  const char* name;
  std::u16string wide;
  std::string bytes;
  BOOL usedDefault;
};

class EnvironmentConversion : public EnvironmentContract, public ::testing::WithParamInterface<ConversionCase> {};

TEST_P(EnvironmentConversion, ToTheAnsiCodePage) {
  const ConversionCase& row = GetParam();
  BOOL usedDefault = FALSE;
  EXPECT_BYTES(ToAnsi(row.wide, &usedDefault), row.bytes);
  EXPECT_EQ(usedDefault, row.usedDefault);
}

INSTANTIATE_TEST_SUITE_P(Environment, EnvironmentConversion,
                         ::testing::Values(ConversionCase{"Japanese", kJapaneseHome, "C:\\Java\\ランタイム 17 表",
                                                          FALSE},
                                           // Characters the code page lacks become the default
                                           // character, reported; none becomes a backslash.
                                           ConversionCase{"AccentedLetter", u"Caf\u00e9", "Caf?", TRUE},
                                           ConversionCase{"YenSign", u"C:\u00a5Java", "C:?Java", TRUE},
                                           ConversionCase{"WaveDash", u"a\u301cb", "a?b", TRUE}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
