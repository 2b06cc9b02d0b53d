#pragma once
// Code page 932 (Shift-JIS) byte classes, and decoding for messages.
#include <string>
#include <string_view>

namespace siconv {

// True for the first byte of a double-byte character.
constexpr bool IsCp932LeadByte(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// CP932 bytes as UTF-8; bytes that do not decode become U+FFFD.
std::string Cp932ToUtf8(std::string_view bytes);

}  // namespace siconv
