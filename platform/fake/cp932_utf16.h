// Code page 932 to UTF-16 and back for the fakes, through the C library's
// converter, so that native tests see the same wide text as Windows.
#pragma once

#include <optional>
#include <string>

namespace platform::fake {

std::optional<std::u16string> Cp932ToUtf16(const std::string& text);
std::optional<std::string> Utf16ToCp932(const std::u16string& text);

}  // namespace platform::fake
