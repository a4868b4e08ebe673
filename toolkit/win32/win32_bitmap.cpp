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

void Win32Bitmap::Draw(DeviceContext dc, int x, int y) const {
  HDC source = CreateCompatibleDC(dc);
  if (source == nullptr) return;
  HGDIOBJ previous = SelectObject(source, bitmap_);
  BitBlt(dc, x, y, width_, height_, source, 0, 0, SRCCOPY);
  SelectObject(source, previous);
  DeleteDC(source);
}

}  // namespace toolkit::win32
