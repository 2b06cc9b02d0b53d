#pragma once
// The decimal digits of an extended value, held in a fixed buffer so that
// formatting a field needs no heap string.
#include <string_view>

#include "engine/extended.h"

namespace siconv {

inline constexpr int kFormDigits = 18;

struct DecimalForm {
  static constexpr int kInfinity = 32767;
  static constexpr int kNotANumber = 32768;
  int exponent = 0;  // magnitude is 0.d1d2d3... x 10^exponent; or one of the two above
  bool negative = false;
  int length = 0;  // digits used: none, or no leading or trailing '0'
  char digits[kFormDigits] = {};

  std::string_view Digits() const { return {digits, static_cast<std::size_t>(length)}; }
};

// v reduced to 18 significant digits, then cut after precision significant
// digits or decimals decimal places, whichever comes first; v is read in place.
DecimalForm ToDecimalForm(const Extended& v, int precision, int decimals);

}  // namespace siconv
