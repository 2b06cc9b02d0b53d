// RendersAsItself lets the converter copy a field instead of rendering it
// again; it must say yes only where the long way (parse, round to a 32-bit
// float, format) writes the very same text.
#include "engine/verbatim_field.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "engine/decimal_separator.h"
#include "engine/format_text.h"
#include "engine/parse_number_text.h"
#include "engine/text_fields.h"

namespace siconv {
namespace {

std::string LongWay(const std::string& field, const char* format) {
  const auto v = static_cast<float>(ParseNumberText(field));
  if (std::string(format).ends_with('d')) return FormatNumberText(format, RoundToInt(v));
  return FormatNumberText(format, static_cast<Extended>(v));
}

// k / 10^decimals written as the fixed layout writes it, padded to width.
std::string Fixed(long k, int decimals, int width) {
  std::string digits = std::to_string(std::labs(k));
  if (decimals > 0) {
    digits.insert(0, static_cast<std::size_t>(std::max<int>(0, decimals + 1 - digits.size())), '0');
    digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, DecimalSeparator);
  }
  if (k < 0) digits.insert(0, 1, '-');
  return std::string(static_cast<std::size_t>(std::max<int>(0, width - digits.size())), ' ') +
         digits;
}

struct Column {
  const char* format;
  int decimals;
  int width;
  long limit;
};

// Every value of up to six digits in both decimal counts of the record files'
// fixed columns; the integer column, an exact float, up to five.
TEST(RendersAsItself, EveryShortValueComesBackFromTheLongWay) {
  for (const Column c : {Column{"%3d", 0, 3, 99999}, Column{"%9.2f", 2, 9, 999999},
                         Column{"%13.6f", 6, 13, 999999}}) {
    SCOPED_TRACE(c.format);
    int mismatches = 0;
    for (long k = -c.limit; k <= c.limit; ++k) {
      const std::string text = Fixed(k, c.decimals, c.width);
      if (!RendersAsItself(text, c.format) || LongWay(text, c.format) != text) ++mismatches;
    }
    EXPECT_EQ(mismatches, 0);
  }
}

// Seven digits no longer fit a float safely: "1234567.89" comes back as
// "1234567.88"; such fields always go the long way.
TEST(RendersAsItself, SevenDigitsGoTheLongWay) {
  EXPECT_NE(LongWay("1234567.89", "%9.2f"), "1234567.89");
  for (long k : {1000000L, -1234567L, 9999999L, 1000001L}) {
    EXPECT_FALSE(RendersAsItself(Fixed(k, 2, 9), "%9.2f")) << k;
    EXPECT_FALSE(RendersAsItself(Fixed(k, 6, 13), "%13.6f")) << k;
  }
  // Digits count from the first non-zero one to the last decimal, zeros too.
  EXPECT_TRUE(RendersAsItself("     0.222590", "%13.6f"));
  EXPECT_FALSE(RendersAsItself("     7.222500", "%13.6f"));
}

TEST(RendersAsItself, OnlyTheTextTheFormatWritesIsCopied) {
  struct Case {
    const char* field;
    const char* format;
    bool copied;
  };
  const Case cases[] = {
      {"    24.53", "%9.2f", true},   {"24.53", "%9.2f", false},  // padding is part of it
      {"     24.53", "%9.2f", false}, {"1234.56", "%7.2f", true},
      {" 1234.56", "%7.2f", false},   {"    +1.00", "%9.2f", false},
      {"   -01.00", "%9.2f", false},  {"    -0.00", "%9.2f", false},
      {"     0.00", "%9.2f", true},   {"     1.0", "%9.2f", false},
      {"    1.000", "%9.2f", false},  {"     1,00", "%9.2f", false},
      {"   1.00 ", "%9.2f", false},   {"        .50", "%9.2f", false},
      {"  1", "%3d", true},           {" -5", "%3d", true},
      {"-05", "%3d", false},          {" -0", "%3d", false},
      {"1234", "%3d", true},          {" 1.0", "%3d", false},
      {"    147.1", "%9.6g", false},  {"x", "%s", false},
      {"   ", "%3d", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RendersAsItself(c.field, c.format), c.copied) << '"' << c.field << "\" " << c.format;
  }
}

TEST(RendersAsItself, FollowsTheDecimalSeparator) {
  const char saved = DecimalSeparator;
  DecimalSeparator = ',';
  EXPECT_TRUE(RendersAsItself("     1,50", "%9.2f"));
  EXPECT_FALSE(RendersAsItself("     1.50", "%9.2f"));
  EXPECT_EQ(LongWay("     1,50", "%9.2f"), "     1,50");
  DecimalSeparator = saved;
}

}  // namespace
}  // namespace siconv
