#pragma once
// Independent readings of number texts, to check the engine's number rules
// against: the accepted grammar, the C library's value of a text, and the
// shape and value of a field that a column format wrote.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace siconv::fuzz {

struct ReferenceNumber {
  std::string cText;  // the same number as the C library reads it
  bool negative = false;
  std::size_t significantDigits = 0;  // mantissa digits from the first non-zero one
};

// The number grammar (blanks, sign, digits with one separator, an exponent
// read up to 500, blanks); nullopt for a text that is no number.
std::optional<ReferenceNumber> ReadReferenceNumber(std::string_view text, char separator);

// strtold of a text whose decimal separator is separator.
long double CValue(std::string_view text, char separator);

// A format of one conversion: "%", width, "." precision, letter (lower case).
struct ColumnFormat {
  int width = 0;
  std::optional<int> precision;
  char letter = 0;
};
std::optional<ColumnFormat> ReadColumnFormat(std::string_view format);

// Checks what FormatNumberText wrote for an integer or an extended value.
void CheckIntegerField(std::string_view field, const ColumnFormat& format, std::int32_t value);
void CheckFloatField(std::string_view field, const ColumnFormat& format, long double value,
                     char separator);

}  // namespace siconv::fuzz
