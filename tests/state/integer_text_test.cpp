#include "state/integer_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

namespace siconv {
namespace {

struct IntegerCase {
  std::string_view text;
  std::optional<std::int32_t> expected;
};

constexpr std::int32_t kMin = -2147483647 - 1;
constexpr std::int32_t kMax = 2147483647;

const IntegerCase kIntegerCases[] = {
    // decimal form
    {"0", 0},
    {"1", 1},
    {"2", 2},
    {"-1", -1},
    {"+1", 1},
    {"-0", 0},
    {"007", 7},
    {"-000000000000000000000012", -12},
    {"2147483647", kMax},
    {"2147483648", std::nullopt},
    {"-2147483648", kMin},
    {"-2147483649", std::nullopt},
    {"99999999999999999999999", std::nullopt},
    // blanks: leading spaces only
    {"  1", 1},
    {"\t1", std::nullopt},
    {"1 ", std::nullopt},
    {"- 1", std::nullopt},
    {"", std::nullopt},
    {"   ", std::nullopt},
    // anything after the digits rejects the text
    {"1.0", std::nullopt},
    {"1x", std::nullopt},
    {"1e3", std::nullopt},
    {std::string_view("1\0", 2), std::nullopt},
    // signs
    {"-", std::nullopt},
    {"+-1", std::nullopt},
    {"--1", std::nullopt},
    // hexadecimal prefixes
    {"$1", 1},
    {"0x1", 1},
    {"0X01", 1},
    {"x1F", 31},
    {"  $a", 10},
    {"$7FFFFFFF", kMax},
    {"$80000000", kMin},
    {"$FFFFFFFF", -1},
    {"$000000001", 1},
    {"$0000000000FFFFFFFE", -2},
    {"$123456789", std::nullopt},
    {"$", std::nullopt},
    {"0x", std::nullopt},
    {"$G", std::nullopt},
    {"$1 ", std::nullopt},
    {"$ 1", std::nullopt},
    {"00x1", std::nullopt},
    {"$-1", std::nullopt},
    // no sign before a prefix
    {"-$1", std::nullopt},
    {"+$1", std::nullopt},
    {"-0x1", std::nullopt},
};

TEST(IntegerTextTest, FollowsTheIntegerTextRules) {
  for (const IntegerCase& c : kIntegerCases) {
    EXPECT_EQ(ParseIntegerText(c.text), c.expected) << "text '" << c.text << "'";
  }
}

}  // namespace
}  // namespace siconv
