#pragma once
// A shortcut for the common case of re-rendering: an unscaled field that is
// already written as its column format writes its value comes out unchanged,
// so the converter can copy it instead of parsing and formatting it again.
#include <cstddef>
#include <optional>
#include <string_view>

namespace siconv {

// The layout that "%Wd" (no decimals) or "%W.Df" writes.
struct VerbatimLayout {
  std::size_t width = 0;
  std::size_t decimals = 0;
};

// The layout of "%Wd" or "%W.Df" with one or two width digits; nullopt for
// every other format, whose fields always go the long way.
std::optional<VerbatimLayout> VerbatimLayoutOf(const char* format);

// RendersAsItself below for a layout read once per column.
bool RendersAsItself(std::string_view field, const VerbatimLayout& layout);

// True when format ("%3d" or "%W.Df") writes the field's own value exactly
// as the field is written: padded to the width, no "+", no leading zero, no
// sign on zero, the current decimal separator and exactly D decimals, and at
// most six digits from the first non-zero one to the last decimal (a 32-bit
// float then holds the value closer than half a unit of its last digit, so
// formatting it gives these digits back). False means: render it the long way.
bool RendersAsItself(std::string_view field, const char* format);

}  // namespace siconv
