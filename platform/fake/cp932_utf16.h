// Code page 932 to UTF-16 and back for the fakes, through the C library's
// converter, so that native tests see the same wide text as Windows.
#pragma once

#include <optional>
#include <string>

#include "platform/win_types.h"

namespace platform::fake {

std::optional<std::u16string> Cp932ToUtf16(const std::string& text);
std::optional<std::string> Utf16ToCp932(const std::u16string& text);

// MultiByteToWideChar from code page 932 as Windows answers it: a length of
// -1 takes the terminator too; a wide length of 0 asks for the size; a
// buffer too small gets nothing and the result is 0.
int MultiByteToWideChar(LPCSTR text, int textLength, LPWSTR wide, int wideLength);

}  // namespace platform::fake
