// The font of a form: the face its description names at its pixel height,
// in the Japanese character set. Where that face is not installed (as under
// Wine), a proportional Japanese gothic of the same kind stands in, so that
// captions keep the widths the layout was made for.
#pragma once

#include <string>

#include <windows.h>

namespace toolkit::win32 {

// The first installed face of: the wanted one, then the stand-ins.
std::string InstalledFace(const std::string& wanted);
HFONT CreateFormFont(const std::string& face, int pixelHeight);

}  // namespace toolkit::win32
