#pragma once
// The decimal form of ToDecimalDigits held in a fixed buffer, so that
// formatting a field needs no heap string.
#include <string_view>

#include "engine/number_text.h"

namespace siconv {

inline constexpr int kFormDigits = 18;

struct DecimalForm {
  int exponent = 0;  // as DecimalDigits::Exponent
  bool negative = false;
  int length = 0;  // digits used
  char digits[kFormDigits] = {};

  std::string_view Digits() const { return {digits, static_cast<std::size_t>(length)}; }
};

// ToDecimalDigits into a DecimalForm; v is read in place.
DecimalForm ToDecimalForm(const Extended& v, int precision, int decimals);

}  // namespace siconv
