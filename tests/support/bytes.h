// Byte strings in failure messages: code page 932 text is unreadable in a
// UTF-8 terminal, so a failed check shows the hex bytes beside the text.
#pragma once

#include <cstdio>
#include <string>

namespace testing_support {

inline std::string Hex(const std::string& bytes) {
  std::string out;
  char cell[4];
  for (unsigned char byte : bytes) {
    std::snprintf(cell, sizeof cell, "%02X ", byte);
    out += cell;
  }
  return out;
}

}  // namespace testing_support

// EXPECT_BYTES(actual, expected): equal byte strings, shown as hex on failure.
#define EXPECT_BYTES(actual, expected)                                                                  \
  EXPECT_EQ(::testing_support::Hex(std::string(actual)), ::testing_support::Hex(std::string(expected))) \
      << "actual: " << std::string(actual)
