#include "toolkit/bitmap.h"

namespace toolkit {

void Bitmap::LoadFromFile(const std::string& fileName) {
  std::unique_ptr<BitmapPeer> loaded = app_.WindowSystem().LoadBitmapFile(fileName);
  if (!loaded) throw Exception("ビットマップファイル " + fileName + " を読み込めません");
  picture_ = std::move(loaded);
}

void Bitmap::Draw(DeviceContext dc, int x, int y) const {
  if (picture_) picture_->Draw(dc, x, y);
}

}  // namespace toolkit
