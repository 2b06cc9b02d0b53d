// The C library's locale data, read through a locale object of its own:
// setlocale would change LC_NUMERIC for the whole process.
#include <langinfo.h>
#include <locale.h>

#include "state/regional_settings.h"

namespace siconv {

std::string LocaleDecimalPoint(const std::string& localeName) {
  const locale_t locale = ::newlocale(LC_NUMERIC_MASK, localeName.c_str(), locale_t{});
  if (locale == locale_t{}) return ".";
  std::string point = ::nl_langinfo_l(RADIXCHAR, locale);
  ::freelocale(locale);
  return point;
}

}  // namespace siconv
