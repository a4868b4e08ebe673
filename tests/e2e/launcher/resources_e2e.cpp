// The resources of the built tessal.exe, read back through the system.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/support/bytes.h"
#include "tests/unit/launcher/expected_texts.h"
#include "tests/e2e/driver/driver.h"

namespace {

class LauncherResources : public ::testing::Test {
 protected:
  void SetUp() override {
    module = ::LoadLibraryExA(e2e::WindowsPath(TESSAL_EXE).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
  }
  void TearDown() override { ::FreeLibrary(module); }
  HMODULE module = nullptr;
};

TEST_F(LauncherResources, StringTableInCodePage932) {
  const char* texts[] = {expected::kProductName,   expected::kStartFailed, expected::kNoRuntime,
                         expected::kNoRuntimeHome, expected::kNoJavaw,     expected::kNoArchive};
  for (UINT id = 1; id <= 6; ++id) {
    char text[256] = {};
    int length = ::LoadStringA(module, id, text, sizeof text);
    EXPECT_BYTES(std::string(text, length), texts[id - 1]) << "string " << id;
  }
  EXPECT_NE(::FindResourceExA(module, MAKEINTRESOURCEA(6) /* RT_STRING */, MAKEINTRESOURCEA(1),
                              MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT)),
            nullptr)
      << "the table is Japanese (1041)";
}

TEST_F(LauncherResources, IconGroup128HasA32And16PixelImageOf16Colours) {
  HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(128), MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */);
  ASSERT_NE(found, nullptr);
  const BYTE* group = static_cast<const BYTE*>(::LockResource(::LoadResource(module, found)));
  ASSERT_EQ(group[4] | (group[5] << 8), 2) << "two images";
  for (int i = 0; i < 2; ++i) {
    const BYTE* entry = group + 6 + 14 * i;  // width, height, colours, reserved, planes, bit count...
    EXPECT_EQ(entry[0], i == 0 ? 32 : 16);
    EXPECT_EQ(entry[1], i == 0 ? 32 : 16);
    EXPECT_EQ(entry[2], 16) << "16 colours";
    EXPECT_EQ(entry[6] | (entry[7] << 8), 4) << "4 bits per pixel";
  }
}

TEST_F(LauncherResources, VersionResource) {
  std::string path = e2e::WindowsPath(TESSAL_EXE);
  DWORD ignored = 0;
  DWORD size = ::GetFileVersionInfoSizeA(path.c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> data(size);
  ASSERT_TRUE(::GetFileVersionInfoA(path.c_str(), 0, size, data.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(::VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0x00000004u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0x00000004u);

  WORD* translation = nullptr;
  ASSERT_TRUE(
      ::VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
  EXPECT_EQ(translation[0], 0x0411);
  EXPECT_EQ(translation[1], 1200);

  const struct {
    const char* key;
    const char* value;
  } strings[] = {{"FileDescription", "Tessal起動アプリケーション"},
                 {"FileVersion", "1, 0, 0, 4"},
                 {"ProductVersion", "1, 0, 0, 4"},
                 {"ProductName", "Tessal"},
                 {"InternalName", "tessal.exe"},
                 {"OriginalFilename", "tessal.exe"}};
  for (const auto& entry : strings) {
    char* value = nullptr;
    std::string query = std::string("\\StringFileInfo\\041104b0\\") + entry.key;
    ASSERT_TRUE(::VerQueryValueA(data.data(), query.c_str(), reinterpret_cast<void**>(&value), &length)) << entry.key;
    EXPECT_BYTES(std::string(value), entry.value) << entry.key;
  }
}

}  // namespace
