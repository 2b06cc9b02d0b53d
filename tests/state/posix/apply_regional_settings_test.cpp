#include "state/regional_settings.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <clocale>
#include <string>
#include <utility>
#include <vector>

#include "engine/decimal_separator.h"

namespace siconv {
namespace {

// The environment chooses the locale, LC_ALL first; the process's own
// LC_NUMERIC stays "C" for printf and strtod.
TEST(ApplyRegionalSettings, ReadsTheEnvironmentAndLeavesTheProcessLocale) {
  if (LocaleDecimalPoint("de_DE.UTF-8") != ",") GTEST_SKIP() << "no de_DE.UTF-8 locale";
  const std::string processLocale = std::setlocale(LC_NUMERIC, nullptr);
  const char* saved = ::getenv("LC_ALL");
  const std::string savedValue = saved ? saved : "";
  const char saveSeparator = DecimalSeparator;

  ::setenv("LC_ALL", "de_DE.UTF-8", 1);
  EXPECT_EQ(LocaleDecimalPoint(""), ",");
  DecimalSeparator = '#';
  ApplyRegionalSettings();
  EXPECT_EQ(DecimalSeparator, '.');  // the comma is never taken
  EXPECT_EQ(std::setlocale(LC_NUMERIC, nullptr), processLocale);

  ::setenv("LC_ALL", "C", 1);
  EXPECT_EQ(LocaleDecimalPoint(""), ".");

  if (saved) {
    ::setenv("LC_ALL", savedValue.c_str(), 1);
  } else {
    ::unsetenv("LC_ALL");
  }
  DecimalSeparator = saveSeparator;
}

}  // namespace
}  // namespace siconv
