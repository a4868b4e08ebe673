// Byte-string helpers in the ANSI code page (932 on Japanese Windows) that the
// setup program's parts share.
#pragma once

#include <string>

namespace common {

// Removes leading and trailing bytes whose code is 32 or less (blanks and
// control characters). The bytes of double-byte characters are all above 32,
// so a trail byte is never cut.
std::string TrimBlanksAndControls(const std::string& text);

// Index of the last byte of text that is one of delimiters and not the trail
// byte of a double-byte character; std::string::npos when there is none.
// Only single-byte delimiters below 0x80 are meaningful.
std::string::size_type LastDelimiter(const std::string& text, const char* delimiters);

// True when the byte at index is a backslash that separates path parts,
// that is, not the second byte of a double-byte character.
bool IsPathDelimiterAt(const std::string& text, std::string::size_type index);

// The byte in upper case when it is an ASCII letter, otherwise as it is
// (a byte of a double-byte character never changes).
inline char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace common
