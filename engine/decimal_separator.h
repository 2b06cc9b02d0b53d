#pragma once
// The program-wide decimal separator.

namespace siconv {

// The one decimal separator shared by parsing and formatting.
extern char DecimalSeparator;

}  // namespace siconv
