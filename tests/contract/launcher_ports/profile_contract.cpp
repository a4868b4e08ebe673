// The profile reader: the fake must read .ini files as the system does.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/contract/launcher_ports/harness.h"
#include "tests/support/bytes.h"

namespace {

constexpr DWORD kSize = 1024;
constexpr char kSentinel = '\x5A';

struct ProfileCase {
  const char* name;
  const char* content;  // nullptr: no file
  const char* section;
  const char* key;
  std::string expected;
};

class ProfileContract : public ::testing::TestWithParam<ProfileCase> {
 protected:
  std::unique_ptr<launcher_contract::Harness> harness = launcher_contract::MakeHarness();

  // Reads into a 1,024-byte buffer followed by sentinel bytes.
  std::string Read(const std::string& file, const char* section, const char* key, DWORD* count, char fill = kSentinel) {
    std::memset(buffer, kSentinel, sizeof buffer);
    std::memset(buffer, fill, kSize);
    *count = harness->Profile().GetPrivateProfileStringA(section, key, "", buffer, kSize, file.c_str());
    for (std::size_t i = kSize; i < sizeof buffer; ++i) EXPECT_EQ(buffer[i], kSentinel) << "written past the buffer";
    return std::string(buffer, strnlen(buffer, kSize));
  }
  char buffer[kSize + 8];
};

TEST_P(ProfileContract, ReadsTheValue) {
  const ProfileCase& row = GetParam();
  std::string file = harness->Scratch() + "\\boot.ini";
  if (row.content) harness->WriteFile(file, row.content);
  DWORD count = 0;
  EXPECT_BYTES(Read(file, row.section, row.key, &count), row.expected);
  EXPECT_EQ(count, row.expected.size());
}

const std::string kLong(1100, 'x');
const std::string kLongIni = "[BOOT]\r\nOption=" + kLong + "\r\n";

INSTANTIATE_TEST_SUITE_P(
    Profile, ProfileContract,
    ::testing::Values(
        ProfileCase{"Plain", "[BOOT]\r\nOption=-Xmx64m -Dx=1\r\n", "BOOT", "Option", "-Xmx64m -Dx=1"},
        ProfileCase{"DoubleQuotesRemoved", "[BOOT]\r\nOption=\"-Xmx64m -Dx=1\"\r\n", "BOOT", "Option", "-Xmx64m -Dx=1"},
        ProfileCase{"SingleQuotesRemoved", "[BOOT]\r\nOption='-client'\r\n", "BOOT", "Option", "-client"},
        ProfileCase{"OnlyOnePairRemoved", "[BOOT]\r\nOption=\"\"-a\"\"\r\n", "BOOT", "Option", "\"-a\""},
        ProfileCase{"BlanksAroundDropped", "[BOOT]\r\n  Option  =   -a  -b   \r\n", "BOOT", "Option", "-a  -b"},
        ProfileCase{"SectionAndKeyInAnyCase", "[boot]\r\noPTION=-a\r\n", "BOOT", "Option", "-a"},
        ProfileCase{"OtherSectionIgnored", "[Other]\r\nOption=-a\r\n[BOOT]\r\nOption=-b\r\n", "BOOT", "Option", "-b"},
        ProfileCase{"Japanese", "[BOOT]\r\nOption=-Duser.dir=C:\\表示 ソフト\r\n", "BOOT", "Option",
                    "-Duser.dir=C:\\表示 ソフト"},
        ProfileCase{"EmptyValue", "[BOOT]\r\nOption=\r\n", "BOOT", "Option", ""},
        ProfileCase{"MissingKey", "[BOOT]\r\nOther=1\r\n", "BOOT", "Option", ""},
        ProfileCase{"MissingSection", "[Boots]\r\nOption=1\r\n", "BOOT", "Option", ""},
        ProfileCase{"MissingFile", nullptr, "BOOT", "Option", ""},
        ProfileCase{"LongValueCutTo1023Bytes", kLongIni.c_str(), "BOOT", "Option", kLong.substr(0, 1023)}),
    [](const auto& info) { return std::string(info.param.name); });

// A long value whose cut falls inside a double-byte character: a zeroed
// buffer holds the whole characters before the cut, terminated. Wine leaves
// the byte of the split character unwritten and counts it; the count is
// therefore not held exactly.
TEST_F(ProfileContract, CutInsideADoubleByteCharacterStaysInTheBuffer) {
  std::string value = std::string(1022, 'x') + "表示表示";
  std::string file = harness->Scratch() + "\\boot.ini";
  harness->WriteFile(file, "[BOOT]\r\nOption=" + value + "\r\n");
  DWORD count = 0;
  std::string read = Read(file, "BOOT", "Option", &count, '\0');
  EXPECT_BYTES(read, std::string(1022, 'x'));
  EXPECT_TRUE(count == 1022 || count == 1023) << count;
}

TEST_F(ProfileContract, BareFileNameIsLookedForInTheWindowsFolder) {
  harness->WriteFile("C:\\windows\\tessal_contract.ini", "[BOOT]\r\nOption=-found\r\n");
  DWORD count = 0;
  EXPECT_BYTES(Read("tessal_contract.ini", "BOOT", "Option", &count), "-found");
  harness->DeleteFile("C:\\windows\\tessal_contract.ini");
}

}  // namespace
