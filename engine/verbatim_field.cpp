#include "engine/verbatim_field.h"

#include <cstddef>

#include "engine/number_text.h"

namespace siconv {
namespace {

// Digits that a 32-bit float always gives back through the 18-digit form.
constexpr std::size_t kFloatSafeDigits = 6;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Scans [-]digits[separator digits] once: the shape the layout writes, with
// no leading zero, and how many digits follow the first non-zero one.
class NumberScan {
 public:
  NumberScan(std::string_view text, std::size_t at) : text_(text), at_(at) {}

  bool TakeMinus() { return Take('-'); }
  bool Take(char c) {
    if (at_ == text_.size() || text_[at_] != c) return false;
    ++at_;
    return true;
  }
  std::size_t TakeDigits() {
    const std::size_t start = at_;
    for (; at_ < text_.size() && IsDigit(text_[at_]); ++at_) {
      if (significant_ > 0 || text_[at_] != '0') ++significant_;
    }
    if (at_ - start > 1 && start == integerStart_ && text_[start] == '0') leadingZero_ = true;
    return at_ - start;
  }
  void MarkIntegerStart() { integerStart_ = at_; }
  bool AtEnd() const { return at_ == text_.size(); }
  bool LeadingZero() const { return leadingZero_; }
  std::size_t Significant() const { return significant_; }

 private:
  std::string_view text_;
  std::size_t at_;
  std::size_t integerStart_ = 0;
  std::size_t significant_ = 0;
  bool leadingZero_ = false;
};

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

bool RendersAsItself(std::string_view field, const VerbatimLayout& layout) {
  std::size_t start = 0;
  while (start < field.size() && field[start] == ' ') ++start;
  // Blanks only fill the width: a text as wide or wider starts with no blank.
  if (start == field.size() || (start > 0 && field.size() != layout.width) ||
      field.size() < layout.width) {
    return false;
  }
  NumberScan scan(field, start);
  const bool negative = scan.TakeMinus();
  scan.MarkIntegerStart();
  if (scan.TakeDigits() == 0 || scan.LeadingZero()) return false;
  if (layout.decimals > 0 &&
      (!scan.Take(DecimalSeparator) || scan.TakeDigits() != layout.decimals)) {
    return false;
  }
  if (!scan.AtEnd()) return false;
  if (scan.Significant() == 0) return !negative;  // zero is written without a sign
  return scan.Significant() <= kFloatSafeDigits;
}

}  // namespace siconv
