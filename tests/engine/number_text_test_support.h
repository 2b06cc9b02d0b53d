#pragma once
// Helpers shared by the number text tests.
#include <cmath>
#include <string>

#include "engine/decimal_separator.h"
#include "engine/exceptions.h"
#include "engine/extended.h"

namespace siconv {

// The message of the EConvertError that f raises, or a marker text when it raises none.
template <typename F>
std::string ConvertErrorMessage(F&& f) {
  try {
    f();
  } catch (const EConvertError& e) {
    return e.Message();
  }
  return "(no EConvertError)";
}

// |a / b - 1|, in extended precision.
inline Extended RelativeError(Extended a, Extended b) {
  return std::fabs(a / b - 1);
}

// Sets the program-wide decimal separator for one scope and puts '.' back after it.
class SeparatorScope {
 public:
  explicit SeparatorScope(char separator) { DecimalSeparator = separator; }
  ~SeparatorScope() { DecimalSeparator = '.'; }
  SeparatorScope(const SeparatorScope&) = delete;
  SeparatorScope& operator=(const SeparatorScope&) = delete;
};

}  // namespace siconv
