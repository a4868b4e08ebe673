// A picture loaded from a bitmap file. Empty (0 × 0) until loaded.
#pragma once

#include <memory>
#include <string>

#include "toolkit/application.h"
#include "toolkit/backend.h"

namespace toolkit {

class Bitmap {
 public:
  explicit Bitmap(Application& app) : app_(app) {}

  // Loads the file; a bare name is looked up in the current directory only.
  // Raises Exception when the file cannot be read as a bitmap; the bitmap
  // then stays as it was.
  void LoadFromFile(const std::string& fileName);
  int Width() const { return picture_ ? picture_->Width() : 0; }
  int Height() const { return picture_ ? picture_->Height() : 0; }
  // Copies the whole picture to (x, y) of the device context; an empty
  // bitmap draws nothing.
  void Draw(DeviceContext dc, int x, int y) const;
  // For many copies onto one device context: one drawing serves them all.
  // An empty bitmap's drawing draws nothing.
  std::unique_ptr<BitmapDrawing> DrawingOn(DeviceContext dc) const;

 private:
  Application& app_;
  std::unique_ptr<BitmapPeer> picture_;
};

}  // namespace toolkit
