#include "platform/fake/fake_profile.h"

#include <cstring>
#include <optional>
#include <sstream>

#include "platform/cp932.h"
#include "platform/fake/fold.h"

namespace platform {

namespace {

std::string Trim(const std::string& text) {
  auto first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

std::string Unquote(const std::string& value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

std::optional<std::string> FindValue(const std::string& content, const std::string& section, const std::string& key) {
  std::istringstream lines(content);
  std::string line;
  bool inSection = false;
  while (std::getline(lines, line)) {
    std::string text = Trim(line);
    if (text.empty() || text[0] == ';') continue;
    if (text[0] == '[') {
      auto close = text.find(']');
      inSection =
          close != std::string::npos && fake::FoldCase(Trim(text.substr(1, close - 1))) == fake::FoldCase(section);
      continue;
    }
    auto equals = text.find('=');
    if (!inSection || equals == std::string::npos) continue;
    if (fake::FoldCase(Trim(text.substr(0, equals))) == fake::FoldCase(key))
      return Unquote(Trim(text.substr(equals + 1)));
  }
  return std::nullopt;
}

}  // namespace

DWORD FakeProfile::GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size,
                                            LPCSTR fileName) {
  if (!buffer || size == 0) return 0;
  std::string path = fileName ? fileName : "";
  if (path.find('\\') == std::string::npos) path = "C:\\windows\\" + path;
  std::optional<std::string> value;
  if (auto content = files_.FileContent(path)) value = FindValue(*content, section ? section : "", key ? key : "");
  std::string text = value ? *value : Trim(defaultValue ? defaultValue : "");

  // Cut to the buffer without leaving half of a double-byte character.
  std::size_t length = 0;
  while (length < text.size()) {
    std::size_t step = IsCp932LeadByte(text[length]) && length + 1 < text.size() ? 2 : 1;
    if (length + step > size - 1) break;
    length += step;
  }
  std::memcpy(buffer, text.data(), length);
  buffer[length] = 0;
  return static_cast<DWORD>(length);
}

}  // namespace platform
