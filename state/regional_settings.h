#pragma once
// The program-wide decimal separator, taken from the user's regional settings.
#include <QString>

namespace siconv {

// The separator for a locale's decimal point: that character when it is a
// single ASCII byte other than the record files' comma, else '.'.
char DecimalSeparatorFor(const QString& decimalPoint);

// Sets DecimalSeparator from the system locale; run at start and whenever the
// regional settings change.
void ApplyRegionalSettings();

}  // namespace siconv
