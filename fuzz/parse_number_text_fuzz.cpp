// ParseNumberText over arbitrary bytes, with "." and with "," as the decimal
// separator: a text is accepted exactly when the number grammar accepts it
// (or refused for overflow), its value is the C library's to within the
// rounding of the extended steps, and a refusal carries the system's message,
// quoting at most 40 bytes of the text.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/decimal_separator.h"
#include "engine/exceptions.h"
#include "engine/parse_number_text.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/number_reference.h"

namespace siconv::fuzz {
namespace {

constexpr std::string_view kSuffix = "' は浮動小数点数ではありません";

// The length of the quoted prefix: whole CP932 characters up to 40 bytes,
// a lead byte at the very end counting as one.
std::size_t QuotedLength(std::string_view text) {
  constexpr std::size_t kLimit = 40;
  std::size_t end = 0;
  while (end < text.size()) {
    const auto b = static_cast<unsigned char>(text[end]);
    const bool lead = (b >= 0x81 && b <= 0x9F) || b >= 0xE0;
    const std::size_t next = end + (lead && b <= 0xFC && end + 1 < text.size() ? 2 : 1);
    if (next > kLimit) break;
    end = next;
  }
  return end;
}

void CheckRefusal(std::string_view text, const EConvertError& e,
                  const std::optional<ReferenceNumber>& reference) {
  const std::string message = e.Message();
  const std::size_t quoted = QuotedLength(text);
  const std::string tail = std::string(quoted < text.size() ? "..." : "") + std::string(kSuffix);
  if (text.find('\0') != std::string_view::npos) {
    // The exception keeps its message as a C string: a NUL byte ends it.
    Require(message.starts_with("'"), "wrong refusal message", message);
  } else if (IsPrintableAscii(text.substr(0, quoted))) {
    Require(message == "'" + std::string(text.substr(0, quoted)) + tail, "wrong refusal message",
            message);
  } else {
    Require(message.starts_with("'") && message.ends_with(tail), "wrong refusal message", message);
  }
  if (!reference) return;
  // Only a value beyond the extended range may be refused by a grammatical text.
  const long double c = std::fabs(std::strtold(reference->cText.c_str(), nullptr));
  Require(c > 1e4931L || reference->significantDigits >= 4930, "a number was refused", text);
}

void CheckValue(std::string_view text, long double value, const ReferenceNumber& reference) {
  Require(std::isfinite(value), "a parsed value is not finite", text);
  Require(std::signbit(value) == reference.negative, "a parsed value has the wrong sign", text);
  const long double c = std::strtold(reference.cText.c_str(), nullptr);
  const long double magnitude = std::fabs(c);
  if (magnitude == 0) return Require(value == 0, "zero digits read as non-zero", text);
  if (magnitude < 1e-4900L) return Require(std::fabs(value) < 1e-4890L, "tiny value", text);
  // Exact up to 19 digits, then one rounding per further digit, three per scaling.
  const long double tolerance =
      1e-18L * (4 + static_cast<long double>(reference.significantDigits));
  Require(std::fabs(value - c) <= magnitude * tolerance, "a parsed value is off", text);
}

void CheckWith(std::string_view text, char separator) {
  DecimalSeparator = separator;
  const std::optional<ReferenceNumber> reference = ReadReferenceNumber(text, separator);
  long double value;
  try {
    value = ParseNumberText(text);
  } catch (const EConvertError& e) {
    return CheckRefusal(text, e, reference);
  }
  Require(reference.has_value(), "a text outside the grammar was accepted", text);
  CheckValue(text, value, *reference);
}

}  // namespace
}  // namespace siconv::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  siconv::fuzz::CheckWith(text, '.');
  siconv::fuzz::CheckWith(text, ',');
  return 0;
}
