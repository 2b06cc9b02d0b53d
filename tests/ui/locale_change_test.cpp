// The window takes the decimal separator again when told that the regional
// settings changed.
#include "ui/qt_regional_settings.h"

#include <QEvent>
#include <QLocale>

#include "engine/decimal_separator.h"
#include "tests/ui/window_test_support.h"

namespace siconv {
namespace {

TEST_F(WindowTest, ALocaleChangeSetsTheSeparatorAgain) {
  Start();
  const char saved = DecimalSeparator;
  DecimalSeparator = '#';
  QEvent change(QEvent::LocaleChange);
  QCoreApplication::sendEvent(form, &change);
  EXPECT_EQ(DecimalSeparator, QtDecimalSeparator(QLocale::system()));
  DecimalSeparator = saved;
}

}  // namespace
}  // namespace siconv
