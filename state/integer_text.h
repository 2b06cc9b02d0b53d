#pragma once
// The integer text rules of SICONV.INI values: leading spaces, decimal with
// sign, or a "$", "x", "X", "0x", "0X" hexadecimal prefix; 32-bit range.
#include <cstdint>
#include <optional>
#include <string_view>

namespace siconv {

// nullopt when the rules reject the text.
std::optional<std::int32_t> ParseIntegerText(std::string_view text);

}  // namespace siconv
