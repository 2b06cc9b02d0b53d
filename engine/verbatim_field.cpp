#include "engine/verbatim_field.h"

#include <cstddef>

#include "engine/decimal_separator.h"

namespace siconv {
namespace {

// Digits that a 32-bit float always gives back through the 18-digit form.
constexpr std::size_t kFloatSafeDigits = 6;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Past the digits from p on.
const char* SkipDigits(const char* p, const char* end) {
  while (p != end && IsDigit(*p)) ++p;
  return p;
}

}  // namespace

std::optional<VerbatimLayout> VerbatimLayoutOf(const char* format) {
  VerbatimLayout layout;
  if (*format++ != '%' || !IsDigit(*format)) return std::nullopt;
  layout.width = static_cast<std::size_t>(*format++ - '0');
  if (IsDigit(*format))
    layout.width = layout.width * 10 + static_cast<std::size_t>(*format++ - '0');
  if (format[0] == 'd' && format[1] == '\0') return layout;
  if (format[0] != '.' || !IsDigit(format[1]) || format[2] != 'f' || format[3] != '\0')
    return std::nullopt;
  layout.decimals = static_cast<std::size_t>(format[1] - '0');
  return layout;
}

bool RendersAsItself(std::string_view field, const char* format) {
  const std::optional<VerbatimLayout> layout = VerbatimLayoutOf(format);
  return layout && RendersAsItself(field, *layout);
}

// One pass over [-]digits[separator digits]: the shape the layout writes,
// with no leading zero, and how many digits follow the first non-zero one.
bool RendersAsItself(std::string_view field, const VerbatimLayout& layout) {
  const char* p = field.data();
  const char* const end = p + field.size();
  while (p != end && *p == ' ') ++p;
  // Blanks only fill the width: a text as wide or wider starts with no blank.
  if (p == end || field.size() < layout.width ||
      (p != field.data() && field.size() != layout.width)) {
    return false;
  }
  const bool negative = *p == '-';
  const char* const integer = p + (negative ? 1 : 0);
  p = SkipDigits(integer, end);
  if (p == integer || (p - integer > 1 && *integer == '0')) return false;
  const char* fraction = p;
  if (layout.decimals > 0) {
    if (p == end || *p != DecimalSeparator) return false;
    fraction = p + 1;
    p = SkipDigits(fraction, end);
    if (static_cast<std::size_t>(p - fraction) != layout.decimals) return false;
  }
  if (p != end) return false;
  std::size_t significant = static_cast<std::size_t>(p - integer) - (layout.decimals > 0 ? 1 : 0);
  if (*integer == '0') {  // "0" or "0.": the fraction's digits from its first non-zero one
    while (fraction != end && *fraction == '0') ++fraction;
    significant = static_cast<std::size_t>(end - fraction);
  }
  if (significant == 0) return !negative;  // zero is written without a sign
  return significant <= kFloatSafeDigits;
}

}  // namespace siconv
