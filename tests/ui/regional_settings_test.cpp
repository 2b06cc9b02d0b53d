// The decimal separator follows the regional settings: at start and when the
// window is told that they changed.
#include "ui/regional_settings.h"

#include <QEvent>
#include <QLocale>

#include "engine/number_text.h"
#include "tests/ui/window_test_support.h"

namespace siconv {
namespace {

TEST(DecimalSeparatorFor, TakesASingleAsciiCharacterElseThePoint) {
  const std::vector<std::pair<QString, char>> cases = {
      {".", '.'}, {",", ','}, {"'", '\''}, {QStringLiteral("٫"), '.'}, {"", '.'}, {",.", '.'},
  };
  for (const auto& [point, separator] : cases) {
    EXPECT_EQ(DecimalSeparatorFor(point), separator) << point.toStdString();
  }
}

TEST_F(WindowTest, ALocaleChangeSetsTheSeparatorAgain) {
  Start();
  const char saved = DecimalSeparator;
  DecimalSeparator = '#';
  QEvent change(QEvent::LocaleChange);
  QCoreApplication::sendEvent(form, &change);
  EXPECT_EQ(DecimalSeparator, DecimalSeparatorFor(QLocale::system().decimalPoint()));
  DecimalSeparator = saved;
}

}  // namespace
}  // namespace siconv
