#include "common/text.h"

#include <cstring>

#include "platform/lead_byte.h"

namespace common {

std::string TrimBlanksAndControls(const std::string& text) {
  auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  std::string::size_type first = 0;
  std::string::size_type last = text.size();
  while (first < last && isBlank(text[first])) ++first;
  while (last > first && isBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

std::string::size_type LastDelimiter(const std::string& text, const char* delimiters) {
  std::string::size_type found = std::string::npos;
  // Walk forwards: only a forward walk knows which bytes are trail bytes.
  for (std::string::size_type i = 0; i < text.size(); ++i) {
    if (platform::IsLeadByte(text[i])) {
      ++i;  // skip the trail byte, which may look like a backslash
      continue;
    }
    if (text[i] != '\0' && std::strchr(delimiters, text[i]) != nullptr) found = i;
  }
  return found;
}

bool IsPathDelimiterAt(const std::string& text, std::string::size_type index) {
  if (index >= text.size() || text[index] != '\\') return false;
  for (std::string::size_type i = 0; i < index; ++i) {
    if (platform::IsLeadByte(text[i])) {
      if (i + 1 == index) return false;
      ++i;
    }
  }
  return true;
}

}  // namespace common
