#pragma once
// How numbers are read from data files: the 18-digit decimal form, 'E'
// exponents, the program-wide decimal separator.
#include <string_view>

#include "engine/extended.h"

namespace siconv {

// Raises EConvertError "'%s' は浮動小数点数ではありません" for a text that is no number.
Extended ParseNumberText(std::string_view text);

}  // namespace siconv
