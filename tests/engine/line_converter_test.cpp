#include "engine/line_converter.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/exceptions.h"
#include "engine/quantity_catalogue.h"

namespace siconv {
namespace {

// Expected texts were worked out by hand from the rules: a field is rounded to
// a 32-bit float, multiplied or divided in extended precision, rounded to a
// 32-bit float again, then written from its 18-digit decimal form. For example
// 3 * 98.0665 -> float 294.199493408203125 -> "%13.6g" -> "294.199".

constexpr double kPressure = 98.0665;

constexpr const char* kHeaderFormats[] = {"%2.6g", "%15.6g", "%15.6g"};
constexpr int kAllScaled[] = {1, 1, 1};
constexpr const char* kEchoFormats[] = {"%s", "%13.6f"};
constexpr int kEchoFlags[] = {1, 0};
constexpr const char* kOneFixed[] = {"%13.6f"};
constexpr int kScaleHundred[] = {2};
constexpr int kScaleOnce[] = {1};

const ColumnTable kHeader{kHeaderFormats, kAllScaled, 3};
const ColumnTable kEcho{kEchoFormats, kEchoFlags, 2};
const ColumnTable kFixedTimesHundred{kOneFixed, kScaleHundred, 1};
const ColumnTable kFixed{kOneFixed, kScaleOnce, 1};

struct LineCase {
  const char* name;
  const ColumnTable& table;
  SeparatorMode mode;
  int direction;
  double factor;
  const char* line;
  const char* expected;
};

const ColumnTable& G73() {
  return Quantities()[0].recordTable;
}

TEST(ConvertLineText, RendersEveryFieldAndScalesTheFlaggedOnes) {
  const auto commas = SeparatorMode::Commas;
  const auto blanks = SeparatorMode::Blanks;
  const LineCase cases[] = {
      {"g73 line", G73(), commas, kToSi, kPressure, "  1,   1.50,          1.5, 12",
       "  1,   1.50,        147.1, 12"},
      {"every field re-rendered", G73(), commas, kToSi, kPressure, "1,1.5,2.5,3",
       "  1,   1.50,      245.166,  3"},
      {"fields past the count dropped", G73(), commas, kToSi, kPressure, "1,2,3,4,5",
       "  1,   2.00,      294.199,  4"},
      {"short line gains a comma", G73(), commas, kToSi, kPressure, "1,2,3",
       "  1,   2.00,      294.199,"},
      {"empty line", G73(), commas, kToSi, kPressure, "", ""},
      {"empty fields keep separators", G73(), commas, kToSi, kPressure, ",,0,", ",,            0,"},
      {"negative zero unsigned", G73(), commas, kToSi, kPressure, "1,2,-0,4",
       "  1,   2.00,            0,  4"},
      {"underflow to zero", G73(), commas, kToSi, kPressure, "1,2,1E-50,4",
       "  1,   2.00,            0,  4"},
      {"blank field stays empty", G73(), commas, kToSi, kPressure, "1,   ,2,4",
       "  1,,      196.133,  4"},
      {"back to old units", kFixed, commas, kToOld, kPressure, "   147.099747", "     1.500000"},
      {"load factor", kFixed, commas, kToSi, 0.00980665, "100", "     0.980665"},
      {"flag 2 scales by a hundred more", kFixedTimesHundred, commas, kToSi, kPressure, "1.5",
       " 14709.974609"},
      {"header line", kHeader, blanks, kToSi, 100, "1.5 2.5 0.1",
       "150            250             10"},
      {"header line, two fields", kHeader, blanks, kToSi, 100, "  12  3.5", "1200            350"},
      {"header back", kHeader, blanks, kToOld, 100, "150            250             10",
       "1.5            2.5            0.1"},
      {"echo column keeps its text", kEcho, commas, kToSi, kPressure, " 7.5 ,2",
       " 7.5 ,     2.000000"},
      {"unscaled value that a float cannot hold", kFixed, commas, kToSi, 1, "1234567.8",
       "1234567.750000"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ConvertLineText(c.line, c.direction, c.mode, c.table, c.factor), c.expected)
        << c.name;
  }
}

TEST(ConvertLineText, NoFieldsWhenTheCountIsZero) {
  const ColumnTable none{{}, {}, 0};
  EXPECT_EQ(ConvertLineText("1,2,3", kToSi, SeparatorMode::Commas, none, kPressure), "");
}

TEST(ConvertLineText, BadFieldsRaiseTheirErrors) {
  const auto convert = [](const char* line) {
    return ConvertLineText(line, kToSi, SeparatorMode::Commas, G73(), kPressure);
  };
  EXPECT_THROW(convert("1,2,1E39,4"), EOverflow);
  EXPECT_THROW(convert("1,2,3.4E38,4"), EOverflow);  // the scaled result overflows
  try {
    convert("1, 1.2.3,3,4");
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "' 1.2.3' は浮動小数点数ではありません");
  }
}

TEST(ConvertLineText, EchoColumnStillMustHoldANumber) {
  EXPECT_THROW(ConvertLineText("abc,2", kToSi, SeparatorMode::Commas, kEcho, kPressure),
               EConvertError);
}

}  // namespace
}  // namespace siconv
