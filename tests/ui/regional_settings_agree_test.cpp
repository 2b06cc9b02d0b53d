// The window (QLocale) and siconv-cli (the C library's locale data) take the
// same decimal separator from the same regional settings.
#include <gtest/gtest.h>
#include <locale.h>

#include <QLocale>
#include <string>

#include "state/regional_settings.h"
#include "ui/qt_regional_settings.h"

namespace siconv {
namespace {

bool CLibraryHas(const std::string& name) {
  const locale_t locale = ::newlocale(LC_NUMERIC_MASK, name.c_str(), locale_t{});
  if (locale == locale_t{}) return false;
  ::freelocale(locale);
  return true;
}

TEST(RegionalSettings, WindowAndCommandLineAgree) {
  struct Case {
    std::string name;
    bool samePoint;  // fr_CH: "." in the C library, "," in Qt's data; '.' for both
  };
  const Case cases[] = {
      {"C", true}, {"ja_JP.UTF-8", true}, {"de_DE.UTF-8", true}, {"fr_CH.UTF-8", false}};
  int compared = 0;
  for (const Case& c : cases) {
    if (!CLibraryHas(c.name)) continue;  // Qt has its own data; compare where both have it
    SCOPED_TRACE(c.name);
    const QLocale qt(QString::fromStdString(c.name));
    if (c.samePoint) {
      EXPECT_EQ(LocaleDecimalPoint(c.name), qt.decimalPoint().toStdString());
    }
    EXPECT_EQ(DecimalSeparatorFor(LocaleDecimalPoint(c.name)), QtDecimalSeparator(qt));
    ++compared;
  }
  EXPECT_GE(compared, 1);
}

}  // namespace
}  // namespace siconv
