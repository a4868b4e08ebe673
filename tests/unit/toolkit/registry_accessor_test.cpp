// The registry accessor over the fake registry: opening never creates, the
// existence test uses the same access and leaves nothing open, strings are
// read as stored, and a value of another type raises the read error.
#include <gtest/gtest.h>

#include "platform/fake/fake_registry.h"
#include "tests/support/bytes.h"
#include "toolkit/exceptions.h"
#include "toolkit/registry_accessor.h"

namespace {

using toolkit::RegistryAccessor;

constexpr char kJava[] = "HKEY_LOCAL_MACHINE\\SOFTWARE\\JavaSoft\\Java Runtime Environment";

class RegistryAccessorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    registry.SetString(kJava, "CurrentVersion", "1.8");
    registry.SetString(kJava + std::string("\\1.8"), "JavaHome", "C:\\Java");
  }
  platform::FakeRegistry registry;
};

TEST_F(RegistryAccessorTest, OpensWithTheChosenAccessAndNeverCreates) {
  registry.DenyWrite("HKEY_LOCAL_MACHINE\\SOFTWARE\\Locked");
  struct Row {
    const char* name;
    const char* path;
    REGSAM access;
    bool opens;
  } rows[] = {
      {"existing key, full access", "\\SOFTWARE\\JavaSoft\\Java Runtime Environment", KEY_ALL_ACCESS, true},
      {"without leading separator", "SOFTWARE\\JavaSoft", KEY_ALL_ACCESS, true},
      {"missing key", "\\SOFTWARE\\JavaSoft\\Missing", KEY_ALL_ACCESS, false},
      {"key refusing full access", "\\SOFTWARE\\Locked", KEY_ALL_ACCESS, false},
      {"same key read only", "\\SOFTWARE\\Locked", KEY_READ, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<std::string> before = registry.Dump();
    {
      RegistryAccessor accessor(registry, HKEY_LOCAL_MACHINE, row.access);
      EXPECT_EQ(accessor.KeyExists(row.path), row.opens);
      EXPECT_EQ(registry.OpenHandleCount(), 0) << "the existence test closes at once";
      EXPECT_EQ(accessor.OpenKey(row.path), row.opens);
      EXPECT_EQ(registry.OpenHandleCount(), row.opens ? 1 : 0);
    }
    EXPECT_EQ(registry.OpenHandleCount(), 0) << "the accessor closes what it holds";
    EXPECT_EQ(registry.Dump(), before) << "nothing created";
  }
}

TEST_F(RegistryAccessorTest, PathsStartAtTheRootWithASeparatorAndAtTheOpenKeyWithout) {
  RegistryAccessor accessor(registry, HKEY_LOCAL_MACHINE, KEY_ALL_ACCESS);
  ASSERT_TRUE(accessor.OpenKey("\\SOFTWARE\\JavaSoft\\Java Runtime Environment"));
  EXPECT_TRUE(accessor.KeyExists("1.8"));
  EXPECT_FALSE(accessor.KeyExists("SOFTWARE"));
  EXPECT_TRUE(accessor.KeyExists("\\SOFTWARE"));
  EXPECT_FALSE(accessor.OpenKey("\\SOFTWARE\\Missing"));
  EXPECT_BYTES(accessor.ReadString("CurrentVersion"), "1.8") << "a failed open keeps the current key";
  ASSERT_TRUE(accessor.OpenKey("\\SOFTWARE\\JavaSoft\\Java Runtime Environment\\1.8"));
  EXPECT_EQ(registry.OpenHandleCount(), 1) << "opening another key closes the previous one";
  EXPECT_BYTES(accessor.ReadString("JavaHome"), "C:\\Java");
  accessor.CloseKey();
  EXPECT_EQ(registry.OpenHandleCount(), 0);
}

TEST_F(RegistryAccessorTest, ReadsStringsAsStored) {
  registry.SetString(kJava, "Expand", "%SystemRoot%\\表", REG_EXPAND_SZ);
  registry.SetRaw(kJava, "EmbeddedNul", REG_SZ, std::string("1.4\0junk", 9));
  registry.SetRaw(kJava, "Unterminated", REG_SZ, "1.6");
  registry.SetRaw(kJava, "Empty", REG_SZ, "");
  struct Row {
    const char* value;
    std::string expected;
  } rows[] = {
      {"CurrentVersion", "1.8"},
      {"Expand", "%SystemRoot%\\表"},
      {"EmbeddedNul", "1.4"},
      {"Unterminated", "1.6"},
      {"Empty", ""},
      {"Missing", ""},
  };
  RegistryAccessor accessor(registry, HKEY_LOCAL_MACHINE, KEY_ALL_ACCESS);
  ASSERT_TRUE(accessor.OpenKey("\\SOFTWARE\\JavaSoft\\Java Runtime Environment"));
  for (const Row& row : rows) {
    SCOPED_TRACE(row.value);
    EXPECT_BYTES(accessor.ReadString(row.value), row.expected);
  }
}

TEST_F(RegistryAccessorTest, AValueOfAnotherTypeRaisesTheReadErrorNamingIt) {
  registry.SetDword(kJava, "CurrentVersion", 0x104);
  registry.SetRaw(kJava, "JavaHome", REG_BINARY, "C:\\");
  registry.SetRaw(kJava, "Many", REG_MULTI_SZ, std::string("a\0b\0\0", 5));
  for (const char* name : {"CurrentVersion", "JavaHome", "Many"}) {
    SCOPED_TRACE(name);
    {
      RegistryAccessor accessor(registry, HKEY_LOCAL_MACHINE, KEY_ALL_ACCESS);
      ASSERT_TRUE(accessor.OpenKey("\\SOFTWARE\\JavaSoft\\Java Runtime Environment"));
      try {
        accessor.ReadString(name);
        ADD_FAILURE() << "no error raised";
      } catch (const toolkit::ERegistryException& error) {
        EXPECT_BYTES(error.Message(), "'" + std::string(name) + "' のデータ型が不正です");
      }
    }
    EXPECT_EQ(registry.OpenHandleCount(), 0) << "closed on the way out of the error";
  }
  // The message bytes themselves, in code page 932.
  try {
    RegistryAccessor accessor(registry, HKEY_LOCAL_MACHINE, KEY_ALL_ACCESS);
    accessor.OpenKey("\\SOFTWARE\\JavaSoft\\Java Runtime Environment");
    accessor.ReadString("CurrentVersion");
    ADD_FAILURE() << "no error raised";
  } catch (const Exception& error) {
    EXPECT_BYTES(error.Message(),
                 "'CurrentVersion' \x82\xCC\x83\x66\x81\x5B\x83\x5E\x8C\x5E\x82\xAA\x95\x73\x90\xB3\x82\xC5\x82\xB7");
  }
}

}  // namespace
