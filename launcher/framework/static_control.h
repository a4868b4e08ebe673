// A static control (text, icon or picture) bound to a member of a dialog.
#pragma once

#include "launcher/framework/wnd.h"

namespace framework {

class CStatic : public CWnd {
 public:
  ~CStatic() override;

  HBITMAP SetBitmap(HBITMAP bitmap) {
    return reinterpret_cast<HBITMAP>(SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
  }
  HBITMAP GetBitmap() const { return reinterpret_cast<HBITMAP>(SendMessage(STM_GETIMAGE, IMAGE_BITMAP, 0)); }
  // Shows the picture stretched to width x height with smoothing (HALFTONE)
  // instead, and takes that size. The stretched copy belongs to this object
  // and lives as long as it. False, with the picture as it was, when no
  // copy could be made.
  BOOL StretchBitmap(int width, int height);

 private:
  HBITMAP stretched_ = nullptr;
};

}  // namespace framework
