// Reading one string below HKEY_LOCAL_MACHINE.
#include <gtest/gtest.h>

#include "launcher/launch/read_machine_string.h"
#include "platform/fake/fake_registry.h"
#include "tests/support/bytes.h"

namespace {

constexpr char kKey[] = "HKEY_LOCAL_MACHINE\\SOFTWARE\\JavaSoft\\Java Runtime Environment";
constexpr char kSubKey[] = "SOFTWARE\\JavaSoft\\Java Runtime Environment";

struct ValueCase {
  const char* name;
  DWORD type;
  std::string stored;  // raw bytes
  int result;
  std::string text;
};

class ReadMachineStringTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ReadMachineStringTest, ReadsUpToTheFirstZeroWithinTheBuffer) {
  const ValueCase& row = GetParam();
  platform::FakeRegistry registry;
  registry.SetRaw(kKey, "CurrentVersion", row.type, row.stored);
  std::string text = "untouched";
  EXPECT_EQ(launcher::ReadMachineString(registry, kSubKey, "CurrentVersion", text), row.result);
  EXPECT_BYTES(text, row.result ? row.text : "untouched");
  EXPECT_EQ(registry.OpenHandleCount(), 0) << "the key is closed";
}

INSTANTIATE_TEST_SUITE_P(
    Registry, ReadMachineStringTest,
    ::testing::Values(ValueCase{"String", REG_SZ, std::string("1.4\0", 4), 1, "1.4"},
                      ValueCase{"TypeNotExamined", REG_EXPAND_SZ, std::string("1.6\0", 4), 1, "1.6"},
                      ValueCase{"UnterminatedFillingTheBuffer", REG_BINARY, std::string(1024, 'v'), 1,
                                std::string(1024, 'v')},
                      ValueCase{"LargerThanTheBuffer", REG_SZ, std::string(1024, 'v') + '\0', 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadMachineString, MissingKeyFailsAndCreatesNothing) {
  platform::FakeRegistry registry;
  registry.CreateKey("HKEY_LOCAL_MACHINE\\SOFTWARE");
  const auto before = registry.Dump();
  std::string text;
  EXPECT_EQ(launcher::ReadMachineString(registry, kSubKey, "CurrentVersion", text), 0);
  EXPECT_EQ(launcher::ReadMachineString(registry, std::string(kSubKey) + "\\1.4", "JavaHome", text), 0);
  EXPECT_EQ(registry.Dump(), before);
  EXPECT_EQ(registry.OpenHandleCount(), 0);
}

}  // namespace
