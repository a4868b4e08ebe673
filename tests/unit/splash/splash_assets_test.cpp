// The launcher's pictures as committed: the splash bitmap and the icon file
// that the resource compiler takes in, field by field.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string Load(const std::string& name) {
  std::ifstream file(std::string(TESSAL_LAUNCHER_DIR) + "/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::uint32_t U16(const std::string& data, std::size_t at) {
  return static_cast<std::uint8_t>(data[at]) | static_cast<std::uint8_t>(data[at + 1]) << 8;
}
std::uint32_t U32(const std::string& data, std::size_t at) { return U16(data, at) | U16(data, at + 2) << 16; }
std::int32_t I32(const std::string& data, std::size_t at) { return static_cast<std::int32_t>(U32(data, at)); }

TEST(SplashAssets, TheSplashBitmapIs400By130At8BitsBottomUpUncompressed) {
  const std::string file = Load("splash.bmp");
  ASSERT_GT(file.size(), 14u + 40u);
  EXPECT_EQ(file.substr(0, 2), "BM");
  EXPECT_EQ(U32(file, 2), file.size()) << "file size field";
  const std::string info = file.substr(14);  // the resource is the file without its 14-byte header
  EXPECT_EQ(info.size(), 53066u) << "size as a resource";
  EXPECT_EQ(U32(info, 0), 40u) << "BITMAPINFOHEADER";
  EXPECT_EQ(I32(info, 4), 400) << "width";
  EXPECT_EQ(I32(info, 8), 130) << "height; positive: bottom-up";
  EXPECT_EQ(U16(info, 12), 1u) << "planes";
  EXPECT_EQ(U16(info, 14), 8u) << "bits per pixel";
  EXPECT_EQ(U32(info, 16), 0u) << "BI_RGB";
  EXPECT_EQ(U32(info, 20), 400u * 130u) << "image size: rows of 400 bytes need no padding";
  EXPECT_EQ(U32(info, 32), 256u) << "colours used";
  EXPECT_EQ(U32(file, 10), 14u + 40u + 256u * 4u) << "pixels follow the 256-entry colour table";
  EXPECT_GE(file.size(), U32(file, 10) + 400u * 130u) << "all pixels present";
}

TEST(SplashAssets, TheSplashShowsMoreThanOneColour) {
  const std::string file = Load("splash.bmp");
  ASSERT_GE(file.size(), 1078u + 52000u);
  std::string pixels = file.substr(1078, 52000);
  std::size_t distinct = 0;
  bool seen[256] = {};
  for (unsigned char index : pixels)
    if (!seen[index]) seen[index] = true, ++distinct;
  EXPECT_GT(distinct, 16u) << "a gradient and lettering, not a blank";
}

TEST(SplashAssets, TheIconHasA32And16PixelImageOf16Colours) {
  const std::string file = Load("tessal.ico");
  ASSERT_GE(file.size(), 6u + 2u * 16u);
  EXPECT_EQ(U16(file, 2), 1u) << "an icon";
  ASSERT_EQ(U16(file, 4), 2u) << "two images";
  const int sizes[] = {32, 16};
  for (int i = 0; i < 2; ++i) {
    const std::size_t entry = 6 + 16 * i;
    EXPECT_EQ(static_cast<std::uint8_t>(file[entry]), sizes[i]) << "width of image " << i;
    EXPECT_EQ(static_cast<std::uint8_t>(file[entry + 1]), sizes[i]) << "height of image " << i;
    EXPECT_EQ(static_cast<std::uint8_t>(file[entry + 2]), 16) << "colours of image " << i;
    EXPECT_EQ(U16(file, entry + 6), 4u) << "bits per pixel of image " << i;
    const std::uint32_t offset = U32(file, entry + 12);
    ASSERT_LE(offset + 40u, file.size());
    EXPECT_EQ(I32(file, offset + 4), sizes[i]);
    EXPECT_EQ(I32(file, offset + 8), 2 * sizes[i]) << "colour and mask rows";
    EXPECT_EQ(U16(file, offset + 14), 4u);
    EXPECT_EQ(U32(file, entry + 8), 40u + 64u + sizes[i] * sizes[i] / 2 + sizes[i] * 4u) << "bytes of image " << i;
  }
}

}  // namespace
