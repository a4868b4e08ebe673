#include <climits>

#include "setup/wizard/java_check.h"

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

bool TryStrToInt(const std::string& text, long& value) {
  std::string::size_type i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == text.size()) return false;
  // Hexadecimal may use all 32 bits; decimal must fit a signed 32-bit integer.
  const unsigned long long limit = base == 16 ? 0xFFFFFFFFull : (negative ? 2147483648ull : 2147483647ull);
  unsigned long long magnitude = 0;
  for (; i < text.size(); ++i) {
    int digit = HexDigit(text[i]);
    if (digit < 0 || digit >= base) return false;
    magnitude = magnitude * base + digit;
    if (magnitude > limit) return false;
  }
  long long signedValue =
      base == 16 ? static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude)) : static_cast<long long>(magnitude);
  value = static_cast<long>(negative ? -signedValue : signedValue);
  return true;
}

bool IsSupportedJavaVersion(const std::string& version) {
  auto point = version.find('.');
  if (point == std::string::npos) return false;
  long major = 0;
  long minor = 0;
  if (!TryStrToInt(version.substr(0, point), major) || major < 1) return false;
  if (!TryStrToInt(version.substr(point + 1), minor)) return false;
  return !(major == 1 && minor < 4);
}

std::string JavaCheckMessage(const TJavaCheckResult& result) {
  switch (result.Status) {
    case jcNotInstalled:
      return "Java Runtime Environment 1.4がインストールされていません。";
    case jcVersionTooOld:
      return "Java Runtime Environment は1.4以降がインストールされていません。";
    case jcHomeNotFound:
      return "Java Runtime Environmentがみつかりません。";
    case jcExtFolderNotFound:
      return "Java Runtime Environmentの拡張ライブラリ格納フォルダがみつかりません。";
    case jcSystemError:
      return "システムエラーが発生しました。";
    default:
      return "";
  }
}
