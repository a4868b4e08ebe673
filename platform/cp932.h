// Code page 932 (Shift-JIS) byte classes. Written out here rather than asked
// of the system, so that the logic that splits paths behaves the same in
// native tests as on Windows.
#pragma once

namespace platform {

// A byte that starts a double-byte character: 0x81-0x9F and 0xE0-0xFC.
constexpr bool IsCp932LeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

constexpr bool IsCp932LeadByte(char byte) { return IsCp932LeadByte(static_cast<unsigned char>(byte)); }

}  // namespace platform
