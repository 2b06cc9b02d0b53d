#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/parse_number_text.h"
#include "tests/engine/number_text_test_support.h"

namespace siconv {
namespace {

struct ParseCase {
  std::string text;
  Extended expected;
};

TEST(ParseNumberText, ReadsTheAcceptedForms) {
  const ParseCase cases[] = {
      {"  12.5  ", 12.5L},
      {"+3", 3},
      {"-3", -3},
      {"5.", 5},
      {".5", 0.5L},
      {".", 0},
      {"1e3", 1000},
      {"1E3", 1000},
      {"1E", 1},  // an exponent letter without digits reads as 10^0
      {"1e+", 1},
      {"1e-", 1},
      {"2.5E-3", 0.0025L},
      {"1E+2", 100},
      {"1E00000000000000002", 100},  // leading zeros never reach the 500 stop
      {"0.1", 0.1L},
      {"123456.789", 123456.789L},
      {"00000000000000000000000000001", 1},
      {"-000.000", 0},
      // From the 20th digit on, A x 10 and + digit are two rounded steps.
      {"18446744073709551616", 0x1p64L},
      {"99999999999999999999", 1e20L},
      {"1.8446744073709551617", 0x1p64L / 1e19L},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseNumberText(c.text), c.expected) << c.text;
}

TEST(ParseNumberText, ReadsPowersUpToTheExponentStop) {
  // '1E0600' stops after '600', which is the whole exponent.
  const struct {
    const char* text;
    Extended expected;
  } cases[] = {{"1E499", 1e499L}, {"1E0600", 1e600L}, {"1e-0600", 1e-600L}, {"1E4931", 1e4931L}};
  for (const auto& c : cases) {
    const Extended v = ParseNumberText(c.text);
    // Up to three rounded steps: within a few units of the last place.
    EXPECT_LE(RelativeError(v, c.expected), 4 * 0x1p-64L) << c.text;
  }
}

TEST(ParseNumberText, SignOfZeroIsKept) {
  EXPECT_TRUE(std::signbit(ParseNumberText("-0")));
  EXPECT_TRUE(std::signbit(ParseNumberText("-.")));
  EXPECT_FALSE(std::signbit(ParseNumberText("0")));
  EXPECT_FALSE(std::signbit(ParseNumberText("+0")));
}

TEST(ParseNumberText, RejectsTextsThatAreNoNumber) {
  const std::string texts[] = {"",      "+",     "-",    " ",    "E5",     "e5",
                               "1,5",   "1 2",   "1x",   "\t1",  "1\t",    "..",
                               "1..2",  "1.2.3", "+-1",  "--1",  "1E5000", "1E4999",
                               "1E+-1", "1E1.5", "1e 5", "0x10", "1E500a", "1E-5000"};
  for (const auto& text : texts) {
    EXPECT_EQ(ConvertErrorMessage([&] { ParseNumberText(text); }),
              "'" + text + "' は浮動小数点数ではありません")
        << text;
  }
}

TEST(ParseNumberText, MessageQuotesTheWholeFieldDecoded) {
  EXPECT_EQ(ConvertErrorMessage([] { ParseNumberText(" 1.2.3"); }),
            "' 1.2.3' は浮動小数点数ではありません");
  // The CP932 bytes of 'あ' and a half-width katakana 'ｱ'.
  EXPECT_EQ(ConvertErrorMessage([] { ParseNumberText("\x82\xA0 \xB1"); }),
            "'あ ｱ' は浮動小数点数ではありません");
  // A long field is cut to 40 bytes on a whole character.
  std::string a30 = "1";
  for (int i = 0; i < 30; ++i) a30 += "\x82\xA0";
  std::string a19;
  for (int i = 0; i < 19; ++i) a19 += "あ";
  EXPECT_EQ(ConvertErrorMessage([&] { ParseNumberText(a30); }),
            "'1" + a19 + "...' は浮動小数点数ではありません");
}

TEST(ParseNumberText, MantissaOverflowIsNoNumberEvenWhenScaledDown) {
  // 5000 fraction digits overflow the accumulator although the power would be -5000.
  for (const std::string& text : {"." + std::string(5000, '9'), std::string(4940, '9')}) {
    EXPECT_EQ(ConvertErrorMessage([&] { ParseNumberText(text); }),
              "'" + text.substr(0, 40) + "...' は浮動小数点数ではありません");
  }
  // Digits that stay small scale to zero without complaint.
  EXPECT_EQ(ParseNumberText("0." + std::string(6000, '0') + "1"), 0);
  EXPECT_GT(ParseNumberText("1E-4940"), 0);
}

TEST(ParseNumberText, CommaSeparator) {
  SeparatorScope comma(',');
  EXPECT_EQ(ParseNumberText("1,5"), 1.5L);
  EXPECT_EQ(ParseNumberText(" -,25E1 "), -2.5L);
  EXPECT_EQ(ConvertErrorMessage([] { ParseNumberText("1.5"); }),
            "'1.5' は浮動小数点数ではありません");
}

}  // namespace
}  // namespace siconv
