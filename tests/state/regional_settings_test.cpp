#include "state/regional_settings.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <clocale>
#include <string>
#include <utility>
#include <vector>

namespace siconv {
namespace {

TEST(DecimalSeparatorFor, TakesASingleAsciiCharacterButNeverTheComma) {
  const std::vector<std::pair<std::string, char>> cases = {
      {".", '.'}, {",", '.'}, {"'", '\''}, {"٫", '.'}, {"\xAB", '.'}, {"", '.'}, {",.", '.'},
  };
  for (const auto& [point, separator] : cases) {
    EXPECT_EQ(DecimalSeparatorFor(point), separator) << point;
  }
}

TEST(LocaleDecimalPoint, ComesFromTheCLibraryAndDefaultsToThePoint) {
  EXPECT_EQ(LocaleDecimalPoint("C"), ".");
  EXPECT_EQ(LocaleDecimalPoint("xx_NOWHERE.UTF-8"), ".");
}

}  // namespace
}  // namespace siconv
