#include "launcher/framework/static_control.h"

namespace framework {

// The control no longer shows the copy: its window has gone with the dialog.
CStatic::~CStatic() {
  if (stretched_) ::DeleteObject(stretched_);
}

BOOL CStatic::StretchBitmap(int width, int height) {
  HBITMAP picture = GetBitmap();
  BITMAP size = {};
  if (stretched_ || !picture || !::GetObjectA(picture, sizeof size, &size)) return FALSE;
  HDC screen = ::GetDC(nullptr);
  HDC from = ::CreateCompatibleDC(screen), to = ::CreateCompatibleDC(screen);
  // A bitmap of the screen's kind: a static control of common controls 6
  // would show a copy of a 32-bit one with alpha, not the bitmap itself.
  HBITMAP copy = from && to ? ::CreateCompatibleBitmap(screen, width, height) : nullptr;
  if (copy) {
    HGDIOBJ fromBefore = ::SelectObject(from, picture), toBefore = ::SelectObject(to, copy);
    // HALFTONE averages the picture's pixels under each pixel of the copy;
    // it wants the brush origin set after it is chosen.
    ::SetStretchBltMode(to, HALFTONE);
    ::SetBrushOrgEx(to, 0, 0, nullptr);
    ::StretchBlt(to, 0, 0, width, height, from, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    ::SelectObject(from, fromBefore);
    ::SelectObject(to, toBefore);
  }
  if (from) ::DeleteDC(from);
  if (to) ::DeleteDC(to);
  ::ReleaseDC(nullptr, screen);
  if (!copy) return FALSE;
  // The bitmap the control loaded from the dialog template it forgets when
  // given another: that one is ours to delete now.
  stretched_ = copy;
  ::DeleteObject(SetBitmap(copy));
  SetWindowPos(nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return TRUE;
}

}  // namespace framework
