#include "platform/fake/cp932_utf16.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

#include <cstring>
#include <vector>

namespace platform::fake {

#ifdef _WIN32

std::optional<std::u16string> Cp932ToUtf16(const std::string& text) {
  if (text.empty()) return std::u16string();
  int count = ::MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (count <= 0) return std::nullopt;
  std::wstring wide(count, L'\0');
  ::MultiByteToWideChar(932, 0, text.data(), static_cast<int>(text.size()), wide.data(), count);
  return std::u16string(wide.begin(), wide.end());
}

std::optional<std::string> Utf16ToCp932(const std::u16string& text) {
  if (text.empty()) return std::string();
  std::wstring wide(text.begin(), text.end());
  int count = ::WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  if (count <= 0) return std::nullopt;
  std::string bytes(count, '\0');
  ::WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(), count, nullptr, nullptr);
  return bytes;
}

#else

namespace {

std::optional<std::string> Convert(const char* to, const char* from, const char* data, size_t size) {
  iconv_t converter = iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::vector<char> out(size * 4 + 8);
  char* in = const_cast<char*>(data);
  size_t inLeft = size;
  char* outPtr = out.data();
  size_t outLeft = out.size();
  size_t rc = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
  iconv_close(converter);
  if (rc == static_cast<size_t>(-1)) return std::nullopt;
  return std::string(out.data(), out.size() - outLeft);
}

}  // namespace

std::optional<std::u16string> Cp932ToUtf16(const std::string& text) {
  auto bytes = Convert("UTF-16LE", "CP932", text.data(), text.size());
  if (!bytes) return std::nullopt;
  std::u16string wide(bytes->size() / 2, u'\0');
  for (size_t i = 0; i < wide.size(); ++i)
    wide[i] = static_cast<char16_t>(static_cast<unsigned char>((*bytes)[2 * i]) |
                                    (static_cast<unsigned char>((*bytes)[2 * i + 1]) << 8));
  return wide;
}

std::optional<std::string> Utf16ToCp932(const std::u16string& text) {
  std::string bytes;
  for (char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return Convert("CP932", "UTF-16LE", bytes.data(), bytes.size());
}

#endif

int MultiByteToWideChar(LPCSTR text, int textLength, LPWSTR wide, int wideLength) {
  if (!text) return 0;
  std::string bytes = textLength < 0 ? std::string(text, std::strlen(text) + 1) : std::string(text, textLength);
  auto converted = Cp932ToUtf16(bytes);
  if (!converted) return 0;
  int needed = static_cast<int>(converted->size());
  if (wideLength == 0) return needed;
  if (needed > wideLength) return 0;  // ERROR_INSUFFICIENT_BUFFER; nothing past the buffer is touched
  for (int i = 0; i < needed; ++i) wide[i] = static_cast<WCHAR>((*converted)[i]);
  return needed;
}

}  // namespace platform::fake
