#include "tests/e2e/launcher/standard_icon.h"

#include <vector>

namespace launcher_e2e {

namespace {

BOOL CALLBACK FindIconControl(HWND child, LPARAM param) {
  char className[32] = {};
  ::GetClassNameA(child, className, sizeof className);
  if (lstrcmpiA(className, "Static") == 0 && (::GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
    *reinterpret_cast<HWND*>(param) = child;
    return FALSE;
  }
  return TRUE;
}

using Pixels = std::vector<DWORD>;

Pixels Read(HDC dc, HBITMAP bitmap, int width, int height) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  Pixels pixels(static_cast<std::size_t>(width) * height);
  ::GetDIBits(dc, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
  for (DWORD& pixel : pixels) pixel &= 0x00FFFFFF;
  return pixels;
}

// What the icon looks like drawn over a plain background of this colour.
Pixels Drawn(HDC screen, LPCSTR iconId, COLORREF background, int width, int height) {
  HDC dc = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = ::SelectObject(dc, bitmap);
  RECT all = {0, 0, width, height};
  HBRUSH brush = ::CreateSolidBrush(background);
  ::FillRect(dc, &all, brush);
  ::DeleteObject(brush);
  ::DrawIconEx(dc, 0, 0, ::LoadIconA(nullptr, iconId), width, height, 0, nullptr, DI_NORMAL);
  ::SelectObject(dc, old);
  Pixels pixels = Read(dc, bitmap, width, height);
  ::DeleteObject(bitmap);
  ::DeleteDC(dc);
  return pixels;
}

Pixels Captured(HDC screen, const RECT& at, int width, int height) {
  HDC dc = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = ::SelectObject(dc, bitmap);
  ::BitBlt(dc, 0, 0, width, height, screen, at.left, at.top, SRCCOPY);
  ::SelectObject(dc, old);
  Pixels pixels = Read(dc, bitmap, width, height);
  ::DeleteObject(bitmap);
  ::DeleteDC(dc);
  return pixels;
}

}  // namespace

std::string StandardIconShown(HWND messageBox) {
  HWND control = nullptr;
  ::EnumChildWindows(messageBox, FindIconControl, reinterpret_cast<LPARAM>(&control));
  if (!control) return "none";
  RECT at;
  ::GetWindowRect(control, &at);
  int width = ::GetSystemMetrics(SM_CXICON), height = ::GetSystemMetrics(SM_CYICON);

  const struct {
    const char* name;
    LPCSTR id;
  } standard[] = {
      {"exclamation", IDI_EXCLAMATION}, {"hand", IDI_HAND}, {"asterisk", IDI_ASTERISK}, {"question", IDI_QUESTION}};
  HDC screen = ::GetDC(nullptr);
  std::string shown = "other";
  // The box may still be painting: look again for a while.
  for (int attempt = 0; attempt < 20 && shown == "other"; ++attempt) {
    Pixels seen = Captured(screen, at, width, height);
    // The icons' corners are transparent: the corner shows the background.
    DWORD corner = seen[0];
    COLORREF background = RGB((corner >> 16) & 0xFF, (corner >> 8) & 0xFF, corner & 0xFF);
    for (const auto& icon : standard) {
      if (Drawn(screen, icon.id, background, width, height) == seen) {
        shown = icon.name;
        break;
      }
    }
    if (shown == "other") ::Sleep(100);
  }
  ::ReleaseDC(nullptr, screen);
  return shown;
}

}  // namespace launcher_e2e
