// Code page 932 (Shift-JIS) byte classes, written out rather than asked of
// the system: the fakes model Japanese Windows with them whatever machine
// they run on. The programs' logic asks platform/lead_byte.h instead, which
// follows the running system's code page on Windows.
#pragma once

namespace platform {

// A byte that starts a double-byte character: 0x81-0x9F and 0xE0-0xFC.
constexpr bool IsCp932LeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

constexpr bool IsCp932LeadByte(char byte) { return IsCp932LeadByte(static_cast<unsigned char>(byte)); }

}  // namespace platform
