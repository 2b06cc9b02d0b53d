#pragma once
// How numbers and messages are written: printf-like format texts with an
// 18-digit decimal form, halves rounded away from zero, 'E6' exponents, no
// sign on a value that rounds to zero, the program-wide decimal separator.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

#include "engine/extended.h"

namespace siconv {

// An argument of a format text: %d takes an integer, %f and %g an extended
// value, %s a text.
using FormatArg = std::variant<std::int32_t, Extended, std::string_view>;

// Expands every conversion of a format text with the arguments in order;
// the bytes around the conversions are copied. Raises EConvertError on a
// conversion whose letter does not fit its argument or that has none left.
std::string FormatText(std::string_view format, std::initializer_list<FormatArg> args);

// A single column format ("%13.6f") applied to one argument.
std::string FormatNumberText(std::string_view format, FormatArg arg);

// FormatNumberText's text appended to out, with no text of its own in between.
void AppendNumberText(std::string& out, std::string_view format, FormatArg arg);

}  // namespace siconv
