#include "toolkit/win32/win32_bitmap.h"

#include <vector>

#include "common/text.h"

namespace toolkit::win32 {

namespace {

std::string PathInCurrentDirectory(const std::string& fileName) {
  if (common::LastDelimiter(fileName, "\\/:") != std::string::npos) return fileName;
  DWORD size = GetCurrentDirectoryA(0, nullptr);
  if (size == 0) return fileName;
  std::vector<char> folder(size + 1, '\0');
  DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(folder.size()), folder.data());
  if (length == 0 || length >= folder.size()) return fileName;
  std::string path(folder.data(), length);
  if (!common::IsPathDelimiterAt(path, path.size() - 1)) path += '\\';
  return path + fileName;
}

}  // namespace

std::unique_ptr<Win32Bitmap> Win32Bitmap::Load(const std::string& fileName) {
  std::string path = PathInCurrentDirectory(fileName);
  auto bitmap = static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
  if (bitmap == nullptr) return nullptr;
  BITMAP info = {};
  if (GetObjectA(bitmap, sizeof info, &info) == 0) {
    DeleteObject(bitmap);
    return nullptr;
  }
  return std::unique_ptr<Win32Bitmap>(new Win32Bitmap(bitmap, info.bmWidth, info.bmHeight));
}

Win32Bitmap::~Win32Bitmap() { DeleteObject(bitmap_); }

namespace {

// The picture selected into one memory device context for as long as the
// drawing lasts; undone in reverse order.
class Win32BitmapDrawing final : public BitmapDrawing {
 public:
  Win32BitmapDrawing(HDC target, HBITMAP bitmap, int width, int height)
      : target_(target), bitmap_(bitmap), source_(CreateCompatibleDC(target)), width_(width), height_(height) {
    if (source_) previous_ = SelectObject(source_, bitmap);
  }
  ~Win32BitmapDrawing() override {
    if (!source_) return;
    SelectObject(source_, previous_);
    DeleteDC(source_);
  }
  void Draw(int x, int y) override {
    if (source_) BitBlt(target_, x, y, width_, height_, source_, 0, 0, SRCCOPY);
  }
  // One fill with the picture as a pattern brush aligned at (0, 0): the
  // pixels of the tiles, without a copy per tile (a 1 x 1 picture would be
  // over a million copies on a large workspace).
  void Tile(int width, int height, const Rect& bounds) override {
    HBRUSH pattern = CreatePatternBrush(bitmap_);
    if (pattern == nullptr) return BitmapDrawing::Tile(width, height, bounds);
    POINT previousOrigin = {};
    SetBrushOrgEx(target_, 0, 0, &previousOrigin);
    RECT area = {bounds.left, bounds.top, bounds.left + bounds.width, bounds.top + bounds.height};
    FillRect(target_, &area, pattern);
    SetBrushOrgEx(target_, previousOrigin.x, previousOrigin.y, nullptr);
    DeleteObject(pattern);
  }

 private:
  HDC target_;
  HBITMAP bitmap_;
  HDC source_;
  HGDIOBJ previous_ = nullptr;
  int width_, height_;
};

}  // namespace

std::unique_ptr<BitmapDrawing> Win32Bitmap::DrawingOn(DeviceContext dc) const {
  return std::make_unique<Win32BitmapDrawing>(dc, bitmap_, width_, height_);
}

}  // namespace toolkit::win32
