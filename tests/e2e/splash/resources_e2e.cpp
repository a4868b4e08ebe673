// The splash's resources in the built tessal.exe, read back through the
// system: bitmap 133 and dialog template 102.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/e2e/driver/driver.h"

namespace {

class SplashResources : public ::testing::Test {
 protected:
  void SetUp() override {
    module = ::LoadLibraryExA(e2e::WindowsPath(TESSAL_EXE).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
  }
  void TearDown() override { ::FreeLibrary(module); }

  const BYTE* Resource(int id, int type, DWORD* size) {
    HRSRC found = ::FindResourceExA(module, MAKEINTRESOURCEA(type), MAKEINTRESOURCEA(id),
                                    MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
    if (!found) return nullptr;
    *size = ::SizeofResource(module, found);
    return static_cast<const BYTE*>(::LockResource(::LoadResource(module, found)));
  }

  HMODULE module = nullptr;
};

WORD Word(const BYTE* at) { return static_cast<WORD>(at[0] | at[1] << 8); }
DWORD Dword(const BYTE* at) { return Word(at) | static_cast<DWORD>(Word(at + 2)) << 16; }

TEST_F(SplashResources, Bitmap133Is400By130At8BitsIn53066Bytes) {
  DWORD size = 0;
  const BYTE* bitmap = Resource(133, 2 /* RT_BITMAP */, &size);
  ASSERT_NE(bitmap, nullptr) << "Japanese bitmap 133";
  EXPECT_EQ(size, 53066u);
  auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(bitmap);
  EXPECT_EQ(header->biWidth, 400);
  EXPECT_EQ(header->biHeight, 130) << "bottom-up";
  EXPECT_EQ(header->biBitCount, 8);
  EXPECT_EQ(header->biCompression, static_cast<DWORD>(BI_RGB));
  EXPECT_EQ(header->biClrUsed, 256u);
}

// The extended template as the resource compiler wrote it, read field by field.
TEST_F(SplashResources, DialogTemplate102) {
  DWORD size = 0;
  const BYTE* at = Resource(102, 5 /* RT_DIALOG */, &size);
  ASSERT_NE(at, nullptr) << "Japanese dialog 102";
  EXPECT_EQ(Word(at), 1);
  ASSERT_EQ(Word(at + 2), 0xFFFF) << "extended template";
  EXPECT_EQ(Dword(at + 8), static_cast<DWORD>(WS_EX_APPWINDOW)) << "extended style";
  EXPECT_EQ(Dword(at + 12), static_cast<DWORD>(WS_POPUP | WS_VISIBLE | DS_MODALFRAME | DS_SETFONT)) << "style";
  EXPECT_EQ(Word(at + 16), 1) << "one control";
  EXPECT_EQ(Word(at + 18), 0);
  EXPECT_EQ(Word(at + 20), 0);
  EXPECT_EQ(Word(at + 22), 319);
  EXPECT_EQ(Word(at + 24), 200);
  const BYTE* p = at + 26;
  EXPECT_EQ(Word(p), 0) << "no menu";
  EXPECT_EQ(Word(p + 2), 0) << "the standard dialog class";
  EXPECT_EQ(Word(p + 4), 0) << "empty title";
  p += 6;
  EXPECT_EQ(Word(p), 9) << "points";
  EXPECT_EQ(Word(p + 2), 0) << "weight";
  EXPECT_EQ(p[4], 0) << "not italic";
  EXPECT_EQ(p[5], 1) << "character set";
  const std::wstring face(reinterpret_cast<const wchar_t*>(p + 6));
  EXPECT_EQ(face, L"\xFF2D\xFF33 \xFF30\x30B4\x30B7\x30C3\x30AF") << "ＭＳ Ｐゴシック";
  p += 6 + (face.size() + 1) * 2;
  p = at + ((p - at + 3) & ~3);  // items are DWORD-aligned

  EXPECT_EQ(Dword(p + 4), 0u) << "no extended style";
  EXPECT_EQ(Dword(p + 8), static_cast<DWORD>(WS_CHILD | WS_VISIBLE | SS_BITMAP)) << "style";
  EXPECT_EQ(Word(p + 12), 62);
  EXPECT_EQ(Word(p + 14), 58);
  EXPECT_EQ(Word(p + 16), 20);
  EXPECT_EQ(Word(p + 18), 20);
  EXPECT_EQ(Dword(p + 20), 1000u) << "control id";
  EXPECT_EQ(Word(p + 24), 0xFFFF);
  EXPECT_EQ(Word(p + 26), 0x0082) << "the system's static class";
  EXPECT_EQ(Word(p + 28), 0xFFFF);
  EXPECT_EQ(Word(p + 30), 133) << "showing bitmap 133";
}

}  // namespace
