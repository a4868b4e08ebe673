// A picture loaded from a bitmap file with LoadImageA, drawn with BitBlt.
#pragma once

#include <memory>
#include <string>

#include "toolkit/backend.h"

namespace toolkit::win32 {

class Win32Bitmap final : public BitmapPeer {
 public:
  // A bare file name is taken from the current directory only (LoadImageA
  // alone would also look beside the program). nullptr when unreadable.
  static std::unique_ptr<Win32Bitmap> Load(const std::string& fileName);
  ~Win32Bitmap() override;

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  std::unique_ptr<BitmapDrawing> DrawingOn(DeviceContext dc) const override;

 private:
  Win32Bitmap(HBITMAP bitmap, int width, int height) : bitmap_(bitmap), width_(width), height_(height) {}

  HBITMAP bitmap_;
  int width_;
  int height_;
};

}  // namespace toolkit::win32
