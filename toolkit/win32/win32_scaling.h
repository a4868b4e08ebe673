// The system's text size as the forms meet it. Form descriptions are in
// pixels at 96 DPI; the programs declare themselves DPI-aware, so Windows
// no longer stretches their windows as pictures, and every length of a
// form (its size, its controls, its font) is scaled here by the system DPI
// over 96. All of them are rounded one way, by MulDiv, and a rectangle by
// its edges, so that controls whose edges meet in a description meet on
// the screen too.
#pragma once

#include <windows.h>

#include "toolkit/form_description.h"

namespace toolkit::win32 {

class DpiScale {
 public:
  // The DPI of the screen, which for a DPI-aware program is the system's.
  static DpiScale System() {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return DpiScale(dpi > 0 ? dpi : kDescriptionDpi);
  }
  explicit DpiScale(int dpi) : dpi_(dpi) {}

  int operator()(int pixels) const { return MulDiv(pixels, dpi_, kDescriptionDpi); }
  Rect operator()(const Rect& bounds) const {
    int left = (*this)(bounds.left), top = (*this)(bounds.top);
    return {left, top, (*this)(bounds.left + bounds.width) - left, (*this)(bounds.top + bounds.height) - top};
  }

 private:
  static constexpr int kDescriptionDpi = 96;
  int dpi_;
};

}  // namespace toolkit::win32
