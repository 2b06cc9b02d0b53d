#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "engine/pow10_scaling.h"
#include "tests/engine/number_text_test_support.h"

namespace siconv {
namespace {

constexpr Extended kInfinity = std::numeric_limits<Extended>::infinity();

// The correctly rounded value of a decimal text, by the C library.
Extended Decimal(const std::string& text) {
  return std::strtold(text.c_str(), nullptr);
}

TEST(Pow10Scale, ZeroPowerReturnsTheValueUnchanged) {
  for (const Extended x : {0.1L, -3.0L, 1e-4940L, std::numeric_limits<Extended>::max()}) {
    EXPECT_EQ(pow10::Scale(x, 0), x);
  }
  EXPECT_TRUE(std::isnan(pow10::Scale(std::numeric_limits<Extended>::quiet_NaN(), 0)));
}

TEST(Pow10Scale, OneStepPowersAreCorrectlyRounded) {
  // Up to 10^27 the factor is exact, so one multiplication or division gives
  // the nearest value, as does the C library; a reciprocal would not always.
  for (const long long x : {1LL, 3LL, 7LL, 123456789LL, 999999999999999999LL}) {
    for (int n = -27; n <= 27; ++n) {
      const std::string text = std::to_string(x) + "e" + std::to_string(n);
      EXPECT_EQ(pow10::Scale(static_cast<Extended>(x), n), Decimal(text)) << text;
    }
  }
}

TEST(Pow10Scale, LargePowersStayWithinThreeRoundings) {
  for (int n = -4930; n <= 4930; n += 97) {
    const Extended scaled = pow10::Scale(1, n);
    const Extended nearest = Decimal("1e" + std::to_string(n));
    EXPECT_LE(RelativeError(scaled, nearest), 4 * 0x1p-64L) << n;
  }
}

TEST(Pow10Scale, PowersFrom5120AreInfinityOrZeroWhateverTheValue) {
  EXPECT_EQ(pow10::Scale(1e-4000L, 5120), kInfinity);
  EXPECT_EQ(pow10::Scale(0, 6000), kInfinity);
  EXPECT_LE(RelativeError(pow10::Scale(1e-4000L, 5119), 1e1119L), 4 * 0x1p-64L);
  EXPECT_EQ(pow10::Scale(1e4000L, -5120), 0);
  EXPECT_EQ(pow10::Scale(1e4000L, std::numeric_limits<int>::min()), 0);
  EXPECT_LE(RelativeError(pow10::Scale(1e4000L, -5119), 1e-1119L), 4 * 0x1p-64L);
  // Within the range a too large result overflows by itself.
  EXPECT_EQ(pow10::Scale(1, 5119), kInfinity);
  EXPECT_EQ(pow10::Scale(-1, 4933), -kInfinity);
}

}  // namespace
}  // namespace siconv
