// The integer text rules of SICONV.INI values against a reference built on
// strtoll/strtoul with the prefix rules: leading spaces, then a signed
// decimal in the 32-bit range, or "$", "x", "X", "0x", "0X" and at most eight
// significant hexadecimal digits read as a 32-bit pattern; nothing after.
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "state/integer_text.h"

namespace siconv::fuzz {
namespace {

template <typename Test>
bool AllOf(std::string_view s, Test test) {
  for (char c : s) {
    if (!test(static_cast<unsigned char>(c))) return false;
  }
  return !s.empty();
}

std::optional<std::int32_t> ReferenceHex(std::string_view digits) {
  if (!AllOf(digits, [](unsigned char c) { return std::isxdigit(c) != 0; })) return std::nullopt;
  const std::size_t first = digits.find_first_not_of('0');
  if (first != std::string_view::npos && digits.size() - first > 8) return std::nullopt;
  const unsigned long pattern = std::strtoul(std::string(digits).c_str(), nullptr, 16);
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(pattern));
}

std::optional<std::int32_t> ReferenceDecimal(std::string_view text) {
  const std::string_view digits =
      text.starts_with('-') || text.starts_with('+') ? text.substr(1) : text;
  if (!AllOf(digits, [](unsigned char c) { return std::isdigit(c) != 0; })) return std::nullopt;
  errno = 0;
  const long long value = std::strtoll(std::string(text).c_str(), nullptr, 10);
  if (errno == ERANGE || value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> Reference(std::string_view text) {
  const std::size_t start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return std::nullopt;
  text.remove_prefix(start);
  if (text.starts_with("0x") || text.starts_with("0X")) return ReferenceHex(text.substr(2));
  if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X')) {
    return ReferenceHex(text.substr(1));
  }
  return ReferenceDecimal(text);
}

}  // namespace
}  // namespace siconv::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace siconv::fuzz;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  Require(siconv::ParseIntegerText(text) == Reference(text),
          "the integer text rules disagree with the reference", text);
  return 0;
}
