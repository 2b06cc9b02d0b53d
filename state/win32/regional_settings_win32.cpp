// The decimal separator from the user's regional settings on Windows, where
// they live in the locale data of the user, not in the C library's locale.
#include <windows.h>

#include <string>

#include "engine/number_text.h"
#include "engine/win32/wide_text.h"
#include "state/regional_settings.h"

namespace siconv {

void ApplyRegionalSettings() {
  wchar_t point[LOCALE_NAME_MAX_LENGTH] = {};
  int length =
      GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, point, LOCALE_NAME_MAX_LENGTH);
  // length counts the closing NUL; 0 means the setting could not be read.
  std::wstring_view text(point, length > 0 ? static_cast<std::size_t>(length - 1) : 0);
  DecimalSeparator = DecimalSeparatorFor(WideToUtf8(text));
}

}  // namespace siconv
