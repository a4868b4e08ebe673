#include "toolkit/win32/win32_font.h"

namespace toolkit::win32 {

namespace {

const char* const kStandIns[] = {"IPAPGothic", "IPA Pゴシック", "MS UI Gothic"};

int CALLBACK FaceFound(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;  // one is enough
}

bool FaceInstalled(const std::string& face) {
  if (face.empty() || face.size() >= LF_FACESIZE) return false;
  LOGFONTA query = {};
  query.lfCharSet = DEFAULT_CHARSET;
  face.copy(query.lfFaceName, LF_FACESIZE - 1);
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExA(screen, &query, &FaceFound, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

}  // namespace

std::string InstalledFace(const std::string& wanted) {
  if (FaceInstalled(wanted)) return wanted;
  for (const char* standIn : kStandIns)
    if (FaceInstalled(standIn)) return standIn;
  return wanted;
}

HFONT CreateFormFont(const std::string& face, int pixelHeight) {
  // A negative height asks for the character height in pixels.
  return CreateFontA(-pixelHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, InstalledFace(face).c_str());
}

}  // namespace toolkit::win32
