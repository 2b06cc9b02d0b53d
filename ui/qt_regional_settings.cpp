#include "ui/qt_regional_settings.h"

#include "engine/decimal_separator.h"
#include "state/regional_settings.h"

namespace siconv {

char QtDecimalSeparator(const QLocale& locale) {
  return DecimalSeparatorFor(locale.decimalPoint().toStdString());
}

void ApplyQtRegionalSettings() {
  DecimalSeparator = QtDecimalSeparator(QLocale::system());
}

}  // namespace siconv
