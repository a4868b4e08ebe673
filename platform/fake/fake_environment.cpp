#include "platform/fake/fake_environment.h"

#include "platform/fake/cp932_utf16.h"
#include "platform/fake/fold.h"

namespace platform {

namespace {

std::string NarrowName(LPCWSTR name) {
  std::string narrow;
  for (LPCWSTR unit = name; unit && *unit; ++unit) narrow += static_cast<char>(*unit < 0x80 ? *unit : '?');
  return fake::FoldCase(narrow);
}

}  // namespace

DWORD FakeEnvironment::GetEnvironmentVariableW(LPCWSTR name, LPWSTR buffer, DWORD size) {
  auto found = variables_.find(NarrowName(name));
  if (found == variables_.end()) return 0;  // ERROR_ENVVAR_NOT_FOUND
  const std::u16string& value = found->second;
  // Too small: the size needed, terminator included, and nothing written.
  if (!buffer || size < value.size() + 1) return static_cast<DWORD>(value.size() + 1);
  for (std::size_t i = 0; i < value.size(); ++i) buffer[i] = static_cast<WCHAR>(value[i]);
  buffer[value.size()] = 0;
  return static_cast<DWORD>(value.size());
}

int FakeEnvironment::WideCharToMultiByte(UINT codePage, DWORD, LPCWSTR wide, int wideLength, LPSTR bytes,
                                         int byteLength, LPCSTR defaultChar, LPBOOL usedDefaultChar) {
  if (codePage != CP_ACP || !wide || wideLength == 0) return 0;
  std::u16string text;
  for (int i = 0; wideLength < 0 || i < wideLength; ++i) {
    text += static_cast<char16_t>(wide[i]);
    if (wideLength < 0 && wide[i] == 0) break;  // -1 takes the terminator too
  }
  std::string out;
  bool usedDefault = false;
  for (char16_t unit : text) {
    // Only a character that comes back unchanged has its own code: the
    // library maps the yen sign to 0x5C, which Windows refuses to.
    std::optional<std::string> converted = fake::Utf16ToCp932(std::u16string(1, unit));
    if (unit == 0) {
      out += '\0';
    } else if (converted && !converted->empty() && fake::Cp932ToUtf16(*converted) == std::u16string(1, unit)) {
      out += *converted;
    } else {
      out += defaultChar ? *defaultChar : '?';
      usedDefault = true;
    }
  }
  if (usedDefaultChar) *usedDefaultChar = usedDefault ? TRUE : FALSE;
  if (byteLength == 0) return static_cast<int>(out.size());
  if (!bytes || static_cast<int>(out.size()) > byteLength) return 0;  // ERROR_INSUFFICIENT_BUFFER
  out.copy(bytes, out.size());
  return static_cast<int>(out.size());
}

void FakeEnvironment::Set(const std::string& name, const std::string& cp932Value) {
  SetWide(name, fake::Cp932ToUtf16(cp932Value).value_or(u"?"));
}

void FakeEnvironment::SetWide(const std::string& name, const std::u16string& value) {
  variables_[fake::FoldCase(name)] = value;
}

void FakeEnvironment::Remove(const std::string& name) { variables_.erase(fake::FoldCase(name)); }

}  // namespace platform
