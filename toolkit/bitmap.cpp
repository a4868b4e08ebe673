#include "toolkit/bitmap.h"

namespace toolkit {

void Bitmap::LoadFromFile(const std::string& fileName) {
  std::unique_ptr<BitmapPeer> loaded = app_.WindowSystem().LoadBitmapFile(fileName);
  if (!loaded) throw Exception("ビットマップファイル " + fileName + " を読み込めません");
  picture_ = std::move(loaded);
}

namespace {

class NoDrawing final : public BitmapDrawing {
 public:
  void Draw(int, int) override {}
};

}  // namespace

void Bitmap::Draw(DeviceContext dc, int x, int y) const { DrawingOn(dc)->Draw(x, y); }

std::unique_ptr<BitmapDrawing> Bitmap::DrawingOn(DeviceContext dc) const {
  if (!picture_) return std::make_unique<NoDrawing>();
  return picture_->DrawingOn(dc);
}

}  // namespace toolkit
