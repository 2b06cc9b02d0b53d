#include "engine/parse_number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "engine/cp932.h"
#include "engine/decimal_separator.h"
#include "engine/exceptions.h"
#include "engine/format_text.h"
#include "engine/pow10_scaling.h"

namespace siconv {
namespace {

// The mantissa digits as A = A * 10 + digit in extended arithmetic. Up to 19
// digits every step is exact, so an integer gives the same value faster.
class DigitAccumulator {
 public:
  void Add(int digit) {
    if (count_ < kExactDigits) {
      exact_ = exact_ * 10 + static_cast<std::uint64_t>(digit);
    } else {
      if (count_ == kExactDigits) wide_ = static_cast<Extended>(exact_);
      wide_ = wide_ * 10;
      wide_ = wide_ + digit;
    }
    ++count_;
  }
  Extended Value() const { return count_ <= kExactDigits ? static_cast<Extended>(exact_) : wide_; }

 private:
  static constexpr int kExactDigits = 19;
  std::uint64_t exact_ = 0;
  Extended wide_ = 0;
  long long count_ = 0;
};

class Reader {
 public:
  explicit Reader(std::string_view text) : p_(text.data()), end_(text.data() + text.size()) {}
  bool AtEnd() const { return p_ == end_; }
  bool Take(char c) {
    if (p_ == end_ || *p_ != c) return false;
    ++p_;
    return true;
  }
  int TakeDigit() {  // -1 when the next byte is no digit
    if (p_ == end_ || *p_ < '0' || *p_ > '9') return -1;
    return *p_++ - '0';
  }
  void SkipBlanks() {
    while (p_ != end_ && *p_ == ' ') ++p_;
  }

 private:
  const char* p_;
  const char* end_;
};

// Reading stops right after the digit that makes the exponent 500 or more, so
// a longer exponent leaves a digit unread.
int ReadExponent(Reader& r) {
  if (!r.Take('E') && !r.Take('e')) return 0;
  const bool negative = !r.Take('+') && r.Take('-');
  int x = 0;
  for (int digit; x < 500 && (digit = r.TakeDigit()) >= 0;) x = x * 10 + digit;
  return negative ? -x : x;
}

[[noreturn]] void ThrowNotANumber(std::string_view text) {
  throw EConvertError(FormatText("'%s' は浮動小数点数ではありません", {QuotedCp932(text)}));
}

}  // namespace

Extended ParseNumberText(std::string_view text) {
  Reader r(text);
  r.SkipBlanks();
  const bool negative = !r.Take('+') && r.Take('-');
  DigitAccumulator a;
  bool consumed = false;
  for (int digit; (digit = r.TakeDigit()) >= 0; consumed = true) a.Add(digit);
  long long fractionDigits = 0;
  if (r.Take(DecimalSeparator)) {
    consumed = true;
    for (int digit; (digit = r.TakeDigit()) >= 0; ++fractionDigits) a.Add(digit);
  }
  if (!consumed) ThrowNotANumber(text);
  const int exponent = ReadExponent(r);
  r.SkipBlanks();
  if (!r.AtEnd()) ThrowNotANumber(text);
  const Extended mantissa = a.Value();
  // Any power below -5120 scales to zero; the clamp only keeps the int in range.
  const auto power = static_cast<int>(std::max<long long>(exponent - fractionDigits, -5120));
  const Extended value = pow10::Scale(mantissa, power);
  if (std::isinf(mantissa) || std::isinf(value)) ThrowNotANumber(text);
  return negative ? -value : value;
}

}  // namespace siconv
