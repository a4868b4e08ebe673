// Case folding of code page 932 names for the fakes: ASCII letters fold to
// upper case, the bytes of double-byte characters are kept as they are.
#pragma once

#include <string>
#include <vector>

#include "platform/cp932.h"

namespace platform::fake {

inline std::string FoldCase(const std::string& name) {
  std::string folded = name;
  for (std::string::size_type i = 0; i < folded.size(); ++i) {
    if (IsCp932LeadByte(folded[i])) {
      ++i;
    } else if (folded[i] >= 'a' && folded[i] <= 'z') {
      folded[i] = static_cast<char>(folded[i] - 'a' + 'A');
    }
  }
  return folded;
}

// Splits at backslashes that are not trail bytes. Empty parts are kept.
inline std::vector<std::string> SplitAtBackslashes(const std::string& path) {
  std::vector<std::string> parts(1);
  for (std::string::size_type i = 0; i < path.size(); ++i) {
    if (IsCp932LeadByte(path[i]) && i + 1 < path.size()) {
      parts.back() += path[i];
      parts.back() += path[++i];
    } else if (path[i] == '\\') {
      parts.emplace_back();
    } else {
      parts.back() += path[i];
    }
  }
  return parts;
}

}  // namespace platform::fake
