#pragma once
// The program-wide decimal separator, taken from the user's regional settings
// (the C library's locale data on POSIX, the user's locale on Windows), so
// that neither the engine nor the command line needs a toolkit to learn it.
#include <string>
#include <string_view>

namespace siconv {

// The separator for a locale's decimal point (its bytes, UTF-8 in a UTF-8
// locale): that character when it is a single ASCII byte other than the record
// files' comma, else '.'.
char DecimalSeparatorFor(std::string_view decimalPoint);

// The decimal point of the named locale; the empty name stands for the
// user's choice for numbers (on POSIX the environment's LC_ALL, LC_NUMERIC,
// LANG). The process's own locale is not touched. "." when there is no such
// locale.
std::string LocaleDecimalPoint(const std::string& localeName);

// Sets DecimalSeparator from the environment's regional settings.
void ApplyRegionalSettings();

}  // namespace siconv
