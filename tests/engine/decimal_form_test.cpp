#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "engine/decimal_form.h"

namespace siconv {
namespace {

struct DigitsCase {
  Extended v;
  int precision;
  int decimals;
  int exponent;
  bool negative;
  std::string digits;
};

void ExpectForm(const DigitsCase& c) {
  const DecimalForm d = ToDecimalForm(c.v, c.precision, c.decimals);
  EXPECT_EQ(d.exponent, c.exponent) << static_cast<double>(c.v);
  EXPECT_EQ(d.negative, c.negative) << static_cast<double>(c.v);
  EXPECT_EQ(d.Digits(), c.digits) << static_cast<double>(c.v);
}

TEST(ToDecimalForm, ZeroAndTinyValuesHaveNoDigitsAndNoSign) {
  const Extended denormal = std::numeric_limits<Extended>::denorm_min();
  const DigitsCase cases[] = {
      {0.0L, 18, 6, 0, false, ""},        {-0.0L, 18, 6, 0, false, ""},
      {denormal, 18, 9999, 0, false, ""}, {-denormal * 1000, 18, 9999, 0, false, ""},
      {-0.0004L, 18, 2, 0, false, ""},  // cut position before the first digit
      {-0.004L, 18, 2, 0, false, ""},   // first dropped digit below 5
      {0.000001L, 6, 4, 0, false, ""},
  };
  for (const auto& c : cases) ExpectForm(c);
}

TEST(ToDecimalForm, InfinityKeepsItsSignNotANumberHasNone) {
  const Extended inf = std::numeric_limits<Extended>::infinity();
  const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
  const DigitsCase cases[] = {
      {inf, 18, 2, DecimalForm::kInfinity, false, ""},
      {-inf, 18, 2, DecimalForm::kInfinity, true, ""},
      {nan, 18, 2, DecimalForm::kNotANumber, false, ""},
      {-nan, 6, 9999, DecimalForm::kNotANumber, false, ""},
  };
  for (const auto& c : cases) ExpectForm(c);
}

TEST(ToDecimalForm, EighteenDigitFormRoundsTiesToEven) {
  const DigitsCase cases[] = {
      // Exactly 18 integer digits and a half: step to the even neighbour.
      {900000000000000000.5L, 18, 9999, 18, false, "9"},
      {900000000000000001.5L, 18, 9999, 18, false, "900000000000000002"},
      // 19 digits: the form is divided by ten and rounded again, ties to even.
      {1000000000000000005.0L, 18, 9999, 19, false, "1"},
      {1000000000000000015.0L, 18, 9999, 19, false, "100000000000000002"},
      {-1000000000000000025.0L, 18, 9999, 19, true, "100000000000000002"},
      {123456789012345678.5L, 18, 9999, 18, false, "123456789012345678"},
  };
  for (const auto& c : cases) ExpectForm(c);
}

TEST(ToDecimalForm, CutRoundsHalvesAwayFromZero) {
  const DigitsCase cases[] = {
      {0.125L, 18, 2, 0, false, "13"},
      {-0.125L, 18, 2, 0, true, "13"},
      {0.5L, 18, 0, 1, false, "1"},  // cut at position 0: the carry makes a new digit
      {9.5L, 18, 0, 2, false, "1"},  // carry past the first digit
      {99.96L, 18, 1, 3, false, "1"},
      {1299.5L, 18, 0, 4, false, "13"},  // carried digits are dropped: no trailing zeros
      {1234567.0L, 6, 9999, 7, false, "123457"},
      {999999.5L, 6, 9999, 7, false, "1"},
      {1.25L, 2, 9999, 1, false, "13"},
      {1.2L, 18, 9999, 1, false, "12"},  // 1.19999999999999999996: 18 digits round to 12
      {100.0L, 18, 2, 3, false, "1"},
      {123.45L, 18, 0, 3, false, "123"},
  };
  for (const auto& c : cases) ExpectForm(c);
}

TEST(ToDecimalForm, FloatsNeverGiveALeadingZero) {
  // The exponent estimate may be one low; the form is then shifted, never padded.
  for (int k = -149; k <= 127; ++k) {
    for (const float f : {std::ldexp(1.0f, k), std::nextafter(std::ldexp(1.0f, k + 1), 0.0f),
                          std::ldexp(1.5f, k)}) {
      if (!std::isfinite(f) || f == 0) continue;
      const DecimalForm d = ToDecimalForm(f, 18, 9999);
      ASSERT_FALSE(d.Digits().empty()) << f;
      EXPECT_NE(d.Digits().front(), '0') << f;
      EXPECT_NE(d.Digits().back(), '0') << f;
      const Extended lower = std::pow(10.0L, d.exponent - 1);
      EXPECT_TRUE(lower <= f * 1.0000001L && f < lower * 10.0000001L) << f;
    }
  }
}

}  // namespace
}  // namespace siconv
