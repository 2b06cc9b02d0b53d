#include "state/regional_settings.h"

#include <QLocale>

#include "engine/number_text.h"

namespace siconv {

char DecimalSeparatorFor(const QString& decimalPoint) {
  // A comma would split every converted number of a comma-separated record
  // file into two fields, so it never becomes the separator.
  if (decimalPoint.size() == 1 && decimalPoint.at(0).unicode() < 0x80 &&
      decimalPoint.at(0) != QLatin1Char(',')) {
    return static_cast<char>(decimalPoint.at(0).unicode());
  }
  return '.';
}

void ApplyRegionalSettings() {
  DecimalSeparator = DecimalSeparatorFor(QLocale::system().decimalPoint());
}

}  // namespace siconv
