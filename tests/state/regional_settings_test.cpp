#include "state/regional_settings.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace siconv {
namespace {

TEST(DecimalSeparatorFor, TakesASingleAsciiCharacterButNeverTheComma) {
  const std::vector<std::pair<QString, char>> cases = {
      {".", '.'}, {",", '.'}, {"'", '\''}, {QStringLiteral("٫"), '.'}, {"", '.'}, {",.", '.'},
  };
  for (const auto& [point, separator] : cases) {
    EXPECT_EQ(DecimalSeparatorFor(point), separator) << point.toStdString();
  }
}

}  // namespace
}  // namespace siconv
