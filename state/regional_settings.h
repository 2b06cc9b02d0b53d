#pragma once
// The program-wide decimal separator, taken from the user's regional settings
// through the C library's locale data, so that neither the engine nor the
// command line needs a toolkit to learn it.
#include <string>
#include <string_view>

namespace siconv {

// The separator for a locale's decimal point (its bytes, UTF-8 in a UTF-8
// locale): that character when it is a single ASCII byte other than the record
// files' comma, else '.'.
char DecimalSeparatorFor(std::string_view decimalPoint);

// The decimal point of the named locale in the C library's locale data; the
// empty name stands for the locale that the environment chooses for numbers
// (LC_ALL, LC_NUMERIC, LANG). The process's own locale is not touched. "."
// when the C library has no such locale.
std::string LocaleDecimalPoint(const std::string& localeName);

// Sets DecimalSeparator from the environment's regional settings.
void ApplyRegionalSettings();

}  // namespace siconv
