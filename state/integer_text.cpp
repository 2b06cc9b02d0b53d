#include "state/integer_text.h"

#include <charconv>
#include <cstdint>

namespace siconv {
namespace {

// All of digits as one unsigned number in base; nullopt when any byte is no
// digit of that base, when there is none, or when it exceeds T.
template <typename T>
std::optional<T> ParseDigits(std::string_view digits, int base) {
  T value{};
  const char* end = digits.data() + digits.size();
  auto [ptr, error] = std::from_chars(digits.data(), end, value, base);
  if (error != std::errc() || ptr != end) return std::nullopt;
  return value;
}

std::size_t HexPrefixLength(std::string_view text) {
  if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X')) return 1;
  if (text.starts_with("0x") || text.starts_with("0X")) return 2;
  return 0;
}

// Eight significant hex digits fill an unsigned 32-bit value; the pattern is
// then read as a signed one, so "$FFFFFFFF" is -1.
std::optional<std::int32_t> ParseHex(std::string_view digits) {
  auto pattern = ParseDigits<std::uint32_t>(digits, 16);
  if (!pattern) return std::nullopt;
  return static_cast<std::int32_t>(*pattern);
}

std::optional<std::int32_t> ParseDecimal(std::string_view text) {
  bool negative = text.starts_with('-');
  if (negative || text.starts_with('+')) text.remove_prefix(1);
  // A sign is parsed here, so a second one (or a hex prefix) is no digit.
  auto magnitude = ParseDigits<std::uint64_t>(text, 10);
  if (!magnitude) return std::nullopt;
  constexpr std::uint64_t kMaxPositive = 2147483647;
  if (*magnitude > kMaxPositive + (negative ? 1 : 0)) return std::nullopt;
  auto value = static_cast<std::int64_t>(*magnitude);
  return static_cast<std::int32_t>(negative ? -value : value);
}

}  // namespace

std::optional<std::int32_t> ParseIntegerText(std::string_view text) {
  std::size_t start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return std::nullopt;
  text.remove_prefix(start);
  if (std::size_t prefix = HexPrefixLength(text)) return ParseHex(text.substr(prefix));
  return ParseDecimal(text);
}

}  // namespace siconv
