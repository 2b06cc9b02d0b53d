#include "engine/decimal_layout.h"

#include <algorithm>
#include <cstdlib>

#include "engine/decimal_separator.h"

namespace siconv {
namespace {

// Appends bytes to a caller's buffer.
class Writer {
 public:
  explicit Writer(char* out) : start_(out), end_(out) {}
  void Put(char c) { *end_++ = c; }
  void Put(std::string_view text) { end_ = std::copy(text.begin(), text.end(), end_); }
  void Repeat(char c, int count) {
    if (count > 0) end_ = std::fill_n(end_, count, c);
  }
  std::size_t Length() const { return static_cast<std::size_t>(end_ - start_); }

 private:
  char* start_;
  char* end_;
};

void PutExponent(Writer& w, int exponent) {
  char digits[8];
  int n = 0;
  unsigned magnitude = static_cast<unsigned>(std::abs(exponent));
  do {
    digits[n++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  w.Put('E');
  if (exponent < 0) w.Put('-');
  while (n > 0) w.Put(digits[--n]);
}

// The integer part: the first `exponent` digits, filled up with '0'. Returns
// the digits left for the fraction.
std::string_view PutIntegerPart(Writer& w, std::string_view digits, int exponent) {
  if (exponent <= 0) {
    w.Put('0');
    return digits;
  }
  const auto used = std::min(digits.size(), static_cast<std::size_t>(exponent));
  w.Put(digits.substr(0, used));
  w.Repeat('0', exponent - static_cast<int>(used));
  return digits.substr(used);
}

}  // namespace

std::size_t WriteGeneralLayout(const DecimalForm& form, int precision, char* out) {
  Writer w(out);
  const std::string_view digits = form.Digits();
  if (form.negative) w.Put('-');
  if (form.exponent > precision || form.exponent < -3) {
    if (!digits.empty()) w.Put(digits[0]);
    if (digits.size() > 1) {
      w.Put(DecimalSeparator);
      w.Put(digits.substr(1));
    }
    PutExponent(w, digits.empty() ? 0 : form.exponent - 1);
  } else {
    const std::string_view rest = PutIntegerPart(w, digits, form.exponent);
    if (!rest.empty()) {
      w.Put(DecimalSeparator);
      w.Repeat('0', -form.exponent);
      w.Put(rest);
    }
  }
  return w.Length();
}

std::size_t WriteFixedLayout(const DecimalForm& form, int decimals, char* out) {
  Writer w(out);
  if (form.negative) w.Put('-');
  std::string_view rest = PutIntegerPart(w, form.Digits(), form.exponent);
  if (decimals > 0) {
    w.Put(DecimalSeparator);
    const int zeros = std::min(std::max(-form.exponent, 0), decimals);
    w.Repeat('0', zeros);
    rest = rest.substr(0, static_cast<std::size_t>(decimals - zeros));
    w.Put(rest);
    w.Repeat('0', decimals - zeros - static_cast<int>(rest.size()));
  }
  return w.Length();
}

}  // namespace siconv
