#include "ui/regional_settings.h"

#include <QLocale>

#include "engine/number_text.h"

namespace siconv {

char DecimalSeparatorFor(const QString& decimalPoint) {
  if (decimalPoint.size() == 1 && decimalPoint.at(0).unicode() < 0x80) {
    return static_cast<char>(decimalPoint.at(0).unicode());
  }
  return '.';
}

void ApplyRegionalSettings() {
  DecimalSeparator = DecimalSeparatorFor(QLocale::system().decimalPoint());
}

}  // namespace siconv
