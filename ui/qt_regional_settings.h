#pragma once
// The window's way to the decimal separator: Qt's system locale, which
// follows the desktop's regional settings and announces their changes.
#include <QLocale>

namespace siconv {

// DecimalSeparatorFor the locale's decimal point.
char QtDecimalSeparator(const QLocale& locale);

// Sets DecimalSeparator from QLocale::system(); run at start and whenever the
// regional settings change.
void ApplyQtRegionalSettings();

}  // namespace siconv
