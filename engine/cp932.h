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

// Bytes quoted in a message are cut to this many, on a whole character.
inline constexpr std::size_t kQuotedBytes = 40;

// Cp932ToUtf8 of at most the first kQuotedBytes bytes, with "..." after a cut,
// so that a field of any size gives a message of a line.
std::string QuotedCp932(std::string_view bytes);

}  // namespace siconv
