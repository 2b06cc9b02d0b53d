#include "state/regional_settings.h"

#include "engine/decimal_separator.h"

namespace siconv {

char DecimalSeparatorFor(std::string_view decimalPoint) {
  // A comma would split every converted number of a comma-separated record
  // file into two fields, so it never becomes the separator.
  if (decimalPoint.size() == 1 && static_cast<unsigned char>(decimalPoint[0]) < 0x80 &&
      decimalPoint[0] != ',') {
    return decimalPoint[0];
  }
  return '.';
}

void ApplyRegionalSettings() {
  DecimalSeparator = DecimalSeparatorFor(LocaleDecimalPoint(""));
}

}  // namespace siconv
