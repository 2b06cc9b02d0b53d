// The decimal point from the regional settings on Windows, where they live in
// the user's locale data, not in the C library's.
#include <windows.h>

#include <string>

#include "engine/win32/wide_text.h"
#include "state/regional_settings.h"

namespace siconv {

std::string LocaleDecimalPoint(const std::string& localeName) {
  std::wstring name;
  if (!Utf8ToWide(localeName, name)) return ".";
  wchar_t point[LOCALE_NAME_MAX_LENGTH] = {};
  const int length = GetLocaleInfoEx(localeName.empty() ? LOCALE_NAME_USER_DEFAULT : name.c_str(),
                                     LOCALE_SDECIMAL, point, LOCALE_NAME_MAX_LENGTH);
  // length counts the closing NUL; 0 means the setting could not be read.
  if (length <= 0) return ".";
  return WideToUtf8(std::wstring_view(point, static_cast<std::size_t>(length - 1)));
}

}  // namespace siconv
