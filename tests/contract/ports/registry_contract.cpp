// The registry port: the fake must answer as Windows does.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "tests/contract/ports/harness.h"
#include "tests/support/bytes.h"

namespace {

class RegistryContract : public ::testing::Test {
 protected:
  std::unique_ptr<contract::RegistryHarness> harness = contract::MakeRegistryHarness();
  platform::Registry& reg = harness->Port();
  std::string scratch = harness->ScratchKey();

  HKEY Create(const std::string& path, REGSAM access = KEY_ALL_ACCESS, DWORD* disposition = nullptr) {
    HKEY key = nullptr;
    char emptyClass[] = "";
    LONG rc = reg.RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, emptyClass, REG_OPTION_NON_VOLATILE, access,
                                  nullptr, &key, disposition);
    EXPECT_EQ(rc, ERROR_SUCCESS) << path;
    return key;
  }
  LONG Open(const std::string& path, REGSAM access, HKEY* key) {
    return reg.RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, access, key);
  }
  void SetBytes(HKEY key, const char* name, DWORD type, const std::string& data) {
    ASSERT_EQ(reg.RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                                 static_cast<DWORD>(data.size())),
              ERROR_SUCCESS);
  }
};

TEST_F(RegistryContract, CreateOpenAndCloseWithCaseInsensitiveNames) {
  DWORD disposition = 0;
  HKEY key = Create(scratch + "\\Mixed\\Case", KEY_ALL_ACCESS, &disposition);
  EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
  EXPECT_EQ(reg.RegCloseKey(key), ERROR_SUCCESS);

  key = Create(scratch + "\\MIXED\\case", KEY_ALL_ACCESS, &disposition);
  EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
  reg.RegCloseKey(key);

  HKEY opened = nullptr;
  EXPECT_EQ(Open(scratch + "\\mixed\\CASE", KEY_READ, &opened), ERROR_SUCCESS);
  reg.RegCloseKey(opened);
  EXPECT_EQ(Open(scratch + "\\Mixed\\Missing", KEY_READ, &opened), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(Open(scratch + "\\Missing\\Deeper", KEY_READ, &opened), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryContract, StringValuesAndShortBuffers) {
  HKEY key = Create(scratch);
  SetBytes(key, "Text", REG_SZ, std::string("C:\\Program Files", 17));

  DWORD type = 0, size = 0;
  EXPECT_EQ(reg.RegQueryValueExA(key, "TEXT", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(size, 17u) << "the size counts the terminator";

  char exact[17];
  size = sizeof exact;
  EXPECT_EQ(reg.RegQueryValueExA(key, "Text", nullptr, &type, reinterpret_cast<BYTE*>(exact), &size), ERROR_SUCCESS);
  EXPECT_STREQ(exact, "C:\\Program Files");

  char shortBuffer[8 + 1];
  std::memset(shortBuffer, '#', sizeof shortBuffer);
  size = 8;
  EXPECT_EQ(reg.RegQueryValueExA(key, "Text", nullptr, &type, reinterpret_cast<BYTE*>(shortBuffer), &size),
            ERROR_MORE_DATA);
  EXPECT_EQ(size, 17u) << "a short buffer is told the size it needs";
  EXPECT_EQ(shortBuffer[8], '#') << "nothing is written past the buffer";

  EXPECT_EQ(reg.RegQueryValueExA(key, "Missing", nullptr, &type, nullptr, &size), ERROR_FILE_NOT_FOUND);
  reg.RegCloseKey(key);
}

TEST_F(RegistryContract, TheAnsiApiTerminatesStringsItStores) {
  HKEY key = Create(scratch);
  SetBytes(key, "Bare", REG_SZ, "abc");
  char buffer[8];
  std::memset(buffer, 'X', sizeof buffer);
  DWORD type = 0, size = sizeof buffer;
  ASSERT_EQ(reg.RegQueryValueExA(key, "Bare", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size), ERROR_SUCCESS);
  EXPECT_EQ(size, 4u);
  EXPECT_BYTES(std::string(buffer, 5), std::string("abc\0X", 5));
  reg.RegCloseKey(key);
}

TEST_F(RegistryContract, AStringStoredWithoutTerminatorIsReadWithOne) {
  harness->SetUnterminatedString(scratch, "Bare", "abc");
  HKEY key = nullptr;
  ASSERT_EQ(Open(scratch, KEY_READ, &key), ERROR_SUCCESS);
  DWORD type = 0, size = 0;
  ASSERT_EQ(reg.RegQueryValueExA(key, "Bare", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(size, 4u) << "the size counts a terminator the data lacks";

  char tight[3 + 1];
  std::memset(tight, 'X', sizeof tight);
  size = 3;
  EXPECT_EQ(reg.RegQueryValueExA(key, "Bare", nullptr, &type, reinterpret_cast<BYTE*>(tight), &size), ERROR_MORE_DATA);
  EXPECT_EQ(size, 4u);
  EXPECT_EQ(tight[3], 'X');

  char exact[4];
  size = sizeof exact;
  ASSERT_EQ(reg.RegQueryValueExA(key, "Bare", nullptr, &type, reinterpret_cast<BYTE*>(exact), &size), ERROR_SUCCESS);
  EXPECT_BYTES(std::string(exact, 4), std::string("abc\0", 4));
  reg.RegCloseKey(key);
}

TEST_F(RegistryContract, BinaryDataFillsTheBufferWithoutTerminator) {
  HKEY key = Create(scratch);
  SetBytes(key, "Raw", REG_BINARY, "abcd");
  char buffer[4 + 1];
  std::memset(buffer, 'X', sizeof buffer);
  DWORD type = 0, size = 4;
  ASSERT_EQ(reg.RegQueryValueExA(key, "Raw", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size), ERROR_SUCCESS);
  EXPECT_EQ(size, 4u);
  EXPECT_BYTES(std::string(buffer, 5), "abcdX");
  reg.RegCloseKey(key);
}

TEST_F(RegistryContract, ValueTypesAndTheDefaultValue) {
  HKEY key = Create(scratch);
  DWORD number = 0x104;
  ASSERT_EQ(reg.RegSetValueExA(key, "Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4), ERROR_SUCCESS);
  SetBytes(key, "Raw", REG_BINARY, std::string("\x01\x00\x02", 3));
  SetBytes(key, "Expand", REG_EXPAND_SZ, std::string("%SystemRoot%\\x", 15));
  SetBytes(key, nullptr, REG_SZ, std::string("default", 8));

  DWORD type = 0, size = 0;
  ASSERT_EQ(reg.RegQueryValueExA(key, "Number", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(size, 4u);
  ASSERT_EQ(reg.RegQueryValueExA(key, "Raw", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
  EXPECT_EQ(size, 3u);

  char text[32];
  size = sizeof text;
  ASSERT_EQ(reg.RegQueryValueExA(key, "Expand", nullptr, &type, reinterpret_cast<BYTE*>(text), &size), ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_EXPAND_SZ));
  EXPECT_STREQ(text, "%SystemRoot%\\x") << "no expansion";

  size = sizeof text;
  ASSERT_EQ(reg.RegQueryValueExA(key, "", nullptr, &type, reinterpret_cast<BYTE*>(text), &size), ERROR_SUCCESS);
  EXPECT_STREQ(text, "default") << "\"\" names the default value that null set";
  reg.RegCloseKey(key);
}

TEST_F(RegistryContract, AKeyWithSubkeysIsDeletedOnlyAfterThem) {
  reg.RegCloseKey(Create(scratch + "\\parent\\child\\grandchild"));
  reg.RegCloseKey(Create(scratch + "\\parent\\second"));
  std::string parent = scratch + "\\parent";

  EXPECT_NE(reg.RegDeleteKeyA(HKEY_CURRENT_USER, parent.c_str()), ERROR_SUCCESS);
  EXPECT_NE(reg.RegDeleteKeyA(HKEY_CURRENT_USER, (parent + "\\child").c_str()), ERROR_SUCCESS);

  HKEY key = nullptr;
  ASSERT_EQ(Open(parent, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
  DWORD subkeys = 0, longest = 0;
  ASSERT_EQ(reg.RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, &longest, nullptr, nullptr, nullptr, nullptr,
                                 nullptr, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(subkeys, 2u);
  EXPECT_EQ(longest, 6u) << "\"second\", without terminator";

  std::vector<std::string> names;
  for (DWORD i = 0;; ++i) {
    char name[7];  // room for "second" and its terminator, no more
    DWORD size = sizeof name;
    LONG rc = reg.RegEnumKeyExA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr);
    if (rc == ERROR_NO_MORE_ITEMS) break;
    ASSERT_EQ(rc, ERROR_SUCCESS);
    EXPECT_EQ(size, std::strlen(name));
    names.push_back(name);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"child", "second"}));

  char tiny[3];
  DWORD tinySize = sizeof tiny;
  EXPECT_EQ(reg.RegEnumKeyExA(key, 0, tiny, &tinySize, nullptr, nullptr, nullptr, nullptr), ERROR_MORE_DATA);
  reg.RegCloseKey(key);

  EXPECT_EQ(reg.RegDeleteKeyA(HKEY_CURRENT_USER, (parent + "\\child\\grandchild").c_str()), ERROR_SUCCESS);
  EXPECT_EQ(reg.RegDeleteKeyA(HKEY_CURRENT_USER, (parent + "\\child").c_str()), ERROR_SUCCESS);
  EXPECT_EQ(reg.RegDeleteKeyA(HKEY_CURRENT_USER, (parent + "\\second").c_str()), ERROR_SUCCESS);
  EXPECT_EQ(reg.RegDeleteKeyA(HKEY_CURRENT_USER, parent.c_str()), ERROR_SUCCESS);
  EXPECT_EQ(Open(parent, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(reg.RegDeleteKeyA(HKEY_CURRENT_USER, parent.c_str()), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryContract, DoubleByteKeyNamesKeepTheirBackslashTrailBytes) {
  // 表 (95 5C) and ソ (83 5C) end in a backslash byte that is no separator.
  reg.RegCloseKey(Create(scratch + "\\表示\\ソ"));
  HKEY key = nullptr;
  ASSERT_EQ(Open(scratch, KEY_READ, &key), ERROR_SUCCESS);
  char name[64];
  DWORD size = sizeof name;
  ASSERT_EQ(reg.RegEnumKeyExA(key, 0, name, &size, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
  EXPECT_BYTES(name, "表示");
  size = sizeof name;
  EXPECT_EQ(reg.RegEnumKeyExA(key, 1, name, &size, nullptr, nullptr, nullptr, nullptr), ERROR_NO_MORE_ITEMS);
  reg.RegCloseKey(key);
  ASSERT_EQ(Open(scratch + "\\表示\\ソ", KEY_READ, &key), ERROR_SUCCESS);
  reg.RegCloseKey(key);
}

TEST_F(RegistryContract, AKeyThatRefusesWritingOpensForReadingOnly) {
  reg.RegCloseKey(Create(scratch + "\\Locked"));
  harness->DenyWrite(HKEY_CURRENT_USER, scratch + "\\Locked");

  HKEY key = nullptr;
  EXPECT_EQ(Open(scratch + "\\Locked", KEY_ALL_ACCESS, &key), ERROR_ACCESS_DENIED);
  EXPECT_EQ(Open(scratch + "\\Locked", KEY_WRITE, &key), ERROR_ACCESS_DENIED);
  ASSERT_EQ(Open(scratch + "\\Locked", KEY_READ, &key), ERROR_SUCCESS);
  DWORD value = 1;
  EXPECT_NE(reg.RegSetValueExA(key, "x", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4), ERROR_SUCCESS)
      << "a key opened for reading takes no values";
  reg.RegCloseKey(key);
}

TEST_F(RegistryContract, QueryNeedsTheRightToQuery) {
  HKEY key = Create(scratch);
  SetBytes(key, "v", REG_SZ, std::string("x", 2));
  reg.RegCloseKey(key);
  ASSERT_EQ(Open(scratch, KEY_ENUMERATE_SUB_KEYS, &key), ERROR_SUCCESS);
  DWORD size = 0;
  EXPECT_EQ(reg.RegQueryValueExA(key, "v", nullptr, nullptr, nullptr, &size), ERROR_ACCESS_DENIED);
  reg.RegCloseKey(key);
}

// A 32-bit program on 64-bit Windows sees HKEY_LOCAL_MACHINE\SOFTWARE in
// its own (32-bit) view unless it asks for the 64-bit one; its own view is
// SOFTWARE\Wow6432Node there. On 32-bit Windows both flags are ignored.
class RegistryViews : public ::testing::TestWithParam<bool> {
 protected:
  std::string Read(platform::Registry& reg, const std::string& path, REGSAM view) {
    HKEY key = nullptr;
    if (reg.RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE | view, &key) != ERROR_SUCCESS)
      return "<missing>";
    char data[16] = {};
    DWORD size = sizeof data - 1;
    LONG rc = reg.RegQueryValueExA(key, "Where", nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
    reg.RegCloseKey(key);
    return rc == ERROR_SUCCESS ? std::string(data) : "<no value>";
  }
  void Write(platform::Registry& reg, const std::string& path, REGSAM view, const std::string& text) {
    HKEY key = nullptr;
    char emptyClass[] = "";
    ASSERT_EQ(reg.RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, emptyClass, REG_OPTION_NON_VOLATILE,
                                  KEY_ALL_ACCESS | view, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(reg.RegSetValueExA(key, "Where", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                 static_cast<DWORD>(text.size() + 1)),
              ERROR_SUCCESS);
    reg.RegCloseKey(key);
  }
};

TEST_P(RegistryViews, TheOtherViewOnlyWhenAskedFor) {
  const bool sixtyFourBit = GetParam();
  auto harness = contract::MakeRegistryHarnessOn(sixtyFourBit);
  if (!harness) GTEST_SKIP() << "for a 32-bit program on the other kind of Windows";
  platform::Registry& reg = harness->Port();
  const std::string key = harness->MachineScratchKey();
  Write(reg, key, KEY_WOW64_64KEY, "64");
  Write(reg, key, KEY_WOW64_32KEY, "32");

  EXPECT_EQ(Read(reg, key, 0), "32");
  EXPECT_EQ(Read(reg, key, KEY_WOW64_32KEY), "32");
  EXPECT_EQ(Read(reg, key, KEY_WOW64_64KEY), sixtyFourBit ? "64" : "32");
  const std::string redirected = "SOFTWARE\\Wow6432Node" + key.substr(std::string("SOFTWARE").size());
  EXPECT_EQ(Read(reg, redirected, KEY_WOW64_64KEY), sixtyFourBit ? "32" : "<missing>");
}

INSTANTIATE_TEST_SUITE_P(Registry, RegistryViews, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "On64BitWindows" : "On32BitWindows"; });

}  // namespace
