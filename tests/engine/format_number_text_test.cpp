#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "engine/format_text.h"
#include "engine/parse_number_text.h"
#include "tests/engine/number_text_test_support.h"

namespace siconv {
namespace {

// A field value: the 32-bit float nearest to the decimal text, widened exactly.
struct FloatCase {
  const char* format;
  float value;
  const char* expected;
};

void ExpectFormatted(const FloatCase& c) {
  EXPECT_EQ(FormatNumberText(c.format, static_cast<Extended>(c.value)), c.expected)
      << c.format << " " << c.value;
}

TEST(FormatNumberText, InputFloatsAreTheOnesDescribed) {
  // The bracketed exact values the expected texts are derived from.
  EXPECT_EQ(static_cast<Extended>(147.09975f), 147.0997467041015625L);
  EXPECT_EQ(static_cast<Extended>(999999.7f), 999999.6875L);
  EXPECT_EQ(static_cast<Extended>(0.0001f), 0.0000999999974737875163555145263671875L);
  EXPECT_EQ(static_cast<Extended>(-0.005f), -0.004999999888241291046142578125L);
  EXPECT_EQ(static_cast<Extended>(1.005f), 1.00499999523162841796875L);
  EXPECT_EQ(static_cast<Extended>(1e20f), 100000002004087734272.0L);
  EXPECT_EQ(static_cast<Extended>(98.0665f), 98.066497802734375L);
}

TEST(FormatNumberText, GeneralLayout) {
  const FloatCase cases[] = {
      {"%13.6g", 147.09975f, "        147.1"},
      {"%13.6g", 0.000012f, "       1.2E-5"},
      {"%13.6g", 1234567.0f, "    1.23457E6"},
      {"%13.6g", 999999.7f, "          1E6"},  // rounds up into the scientific form
      {"%13.6g", 100000.0f, "       100000"},
      {"%13.6g", 0.0f, "            0"},
      {"%13.6g", 98.0665f, "      98.0665"},
      {"%13.6g", -2.5f, "         -2.5"},
      {"%13.6g", 0.00095f, "      0.00095"},
      {"%13.6g", 3.0e38f, "         3E38"},
      {"%13.6g", 1e-45f, "   1.4013E-45"},    // the smallest subnormal float
      {"%14.6g", 0.0001f, "        0.0001"},  // the carry makes a new leading digit
      {"%14.6g", 0.00009f, "          9E-5"},
      {"%15.6g", -0.00001234f, "      -1.234E-5"},
      {"%2.6g", 1.5f, "1.5"},  // longer than the width, never cut
      {"%13.6G", 1234567.0f, "    1.23457E6"},
  };
  for (const auto& c : cases) ExpectFormatted(c);
}

TEST(FormatNumberText, FixedLayout) {
  const FloatCase cases[] = {
      {"%7.2f", -0.005f, "   0.00"},  // rounds to zero: no sign
      {"%7.2f", -0.006f, "  -0.01"},
      {"%7.2f", 0.125f, "   0.13"},  // halves away from zero
      {"%7.2f", 1.005f, "   1.00"},  // just below the half
      {"%7.2f", 0.0f, "   0.00"},
      {"%7.2f", -0.0f, "   0.00"},
      {"%7.2f", 1e20f, "1.00000002004087734E20"},  // beyond 18 integer digits
      {"%7.2f", 1e18f, "999999984306749440.00"},
      {"%9.2f", -147.09975f, "  -147.10"},
      {"%9.2f", 98.0665f, "    98.07"},
      {"%13.6f", 123456.7890625f, "123456.789063"},
      {"%13.6f", 0.0078125f, "     0.007813"},
      {"%13.6f", 0.0f, "     0.000000"},
      {"%13.6f", 1234567.8f, "1234567.750000"},
      {"%13.6f", 147.09975f, "   147.099747"},
      {"%13.6f", 0.0000004f, "     0.000000"},
      {"%13.6f", -0.0000006f, "    -0.000001"},
      {"%13.6F", 2.5f, "     2.500000"},
  };
  for (const auto& c : cases) ExpectFormatted(c);
}

TEST(FormatNumberText, NegativeZeroIsWrittenUnsigned) {
  for (const char* format : {"%7.2f", "%13.6f", "%13.6g", "%2.6g"}) {
    EXPECT_EQ(FormatNumberText(format, -0.0L), FormatNumberText(format, 0.0L)) << format;
    EXPECT_EQ(FormatNumberText(format, ParseNumberText("-0")).find('-'), std::string::npos);
  }
}

TEST(FormatNumberText, InfinityAndNotANumberAreThreeLettersWithoutSign) {
  const Extended inf = std::numeric_limits<Extended>::infinity();
  const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
  const struct {
    const char* format;
    Extended value;
    const char* expected;
  } cases[] = {
      {"%13.6f", inf, "          INF"},  {"%13.6f", -inf, "          INF"},
      {"%13.6g", -inf, "          INF"}, {"%7.2f", nan, "    NAN"},
      {"%13.6g", -nan, "          NAN"}, {"%2.6g", inf, "INF"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatNumberText(c.format, c.value), c.expected);
}

TEST(FormatNumberText, Integers) {
  const struct {
    const char* format;
    std::int32_t value;
    const char* expected;
  } cases[] = {
      {"%3d", -5, " -5"},
      {"%3d", 1234, "1234"},
      {"%3d", 0, "  0"},
      {"%3D", 7, "  7"},
      {"%3d", std::numeric_limits<std::int32_t>::min(), "-2147483648"},
      {"%3d", std::numeric_limits<std::int32_t>::max(), "2147483647"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatNumberText(c.format, c.value), c.expected);
}

TEST(FormatNumberText, PrecisionDefaultsAndLimits) {
  const Extended third = 1.0L / 3;
  const struct {
    const char* format;
    const char* expected;
  } cases[] = {
      {"%f", "0.33"},     // no precision: 2 decimals
      {"%.19f", "0.33"},  // above 18: 2 decimals
      {"%.18f", "0.333333333333333333"},
      {"%.0f", "0"},
      {"%g", "0.333333333333333"},  // no precision: 15 digits
      {"%.19g", "0.333333333333333"},
      {"%.18g", "0.333333333333333333"},
      {"%.1g", "0.33"},  // raised to 2 digits
  };
  for (const auto& c : cases) EXPECT_EQ(FormatNumberText(c.format, third), c.expected) << c.format;
}

TEST(FormatNumberText, CommaSeparator) {
  SeparatorScope comma(',');
  const FloatCase cases[] = {
      {"%7.2f", 1.5f, "   1,50"},
      {"%13.6g", 0.000015f, "       1,5E-5"},
      {"%13.6g", 0.25f, "         0,25"},
      {"%7.2f", 1e20f, "1,00000002004087734E20"},
  };
  for (const auto& c : cases) ExpectFormatted(c);
}

}  // namespace
}  // namespace siconv
