#include "engine/text_fields.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "engine/exceptions.h"

namespace siconv {
namespace {

std::optional<std::string> AsString(std::optional<std::string_view> field) {
  if (!field) return std::nullopt;
  return std::string(*field);
}

struct FieldCase {
  const char* line;
  int n;
  std::optional<std::string> expected;
};

TEST(GetCommaField, FindsFieldsAndHonoursTheEndOfLineRule) {
  const FieldCase cases[] = {
      {"1,2,3", 1, "1"},
      {"1,2,3", 3, "3"},
      {"1,2,3", 4, std::nullopt},
      {"1,2,", 3, std::nullopt},  // a final comma opens no field after a value
      {"1,2,,", 4, ""},           // ... but does right after another comma
      {",5", 1, ""},
      {",5", 2, "5"},
      {",", 2, ""},
      {"", 1, std::nullopt},
      {"a,b", 0, std::nullopt},
      {"ab,c\r\nd", 2, "c"},    // CR ends the field
      {" 1.5 ,x", 1, " 1.5 "},  // blanks belong to the field
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AsString(GetCommaField(c.n, c.line)), c.expected) << c.line << " #" << c.n;
  }
}

TEST(GetSpaceField, SplitsAtRunsOfBlanksOnly) {
  const FieldCase cases[] = {
      {"  12  3.5", 1, "12"},    {"  12  3.5", 2, "3.5"},  {"  12  3.5", 3, std::nullopt},
      {"a\tb c", 1, "a\tb"},  // a tab is part of a field
      {"a b ", 3, std::nullopt}, {"   ", 1, std::nullopt}, {"", 1, std::nullopt},
      {"x", 0, std::nullopt},    {"0 2.5 10", 3, "10"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AsString(GetSpaceField(c.n, c.line)), c.expected) << c.line << " #" << c.n;
  }
}

TEST(IsBlank, OnlyBlanksCount) {
  EXPECT_TRUE(IsBlank(""));
  EXPECT_TRUE(IsBlank("   "));
  EXPECT_FALSE(IsBlank(" \t "));
  EXPECT_FALSE(IsBlank(" 0 "));
}

TEST(RoundToInt, RoundsHalvesAwayFromZero) {
  const struct {
    double x;
    int expected;
  } cases[] = {{0.0, 0},
               {2.5, 3},
               {-2.5, -3},
               {0.49999997f, 0},
               {-0.5, -1},
               {1.4, 1},
               {-1.6, -2},
               {2147483647.0, 2147483647},
               {-2147483648.0, INT32_MIN}};
  for (const auto& c : cases) EXPECT_EQ(RoundToInt(c.x), c.expected) << c.x;
}

TEST(RoundToInt, OutsideTheIntegerRangeIsAnOverflow) {
  EXPECT_THROW(RoundToInt(2147483647.5), EOverflow);
  EXPECT_THROW(RoundToInt(-2147483648.5), EOverflow);
  EXPECT_THROW(RoundToInt(1e30), EOverflow);
}

}  // namespace
}  // namespace siconv
