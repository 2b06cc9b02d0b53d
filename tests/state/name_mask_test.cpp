#include "state/name_mask.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "engine/exceptions.h"

namespace siconv {
namespace {

struct MaskCase {
  std::string_view name;
  std::string_view mask;
  bool matches;
};

const MaskCase kMaskCases[] = {
    // record file names: same length and bytes, a-z equal to A-Z
    {"G73.TXT", "G73.TXT", true},
    {"g73.txt", "G73.TXT", true},
    {"G73.TXT.BAK", "G73.TXT", false},
    {"G73.TX", "G73.TXT", false},
    {"XG73.TXT", "G73.TXT", false},
    {"\x82\x66"
     "73.TXT",
     "G73.TXT", false},  // full-width G
    // only a-z fold: '@' and '`' differ by the same bit as 'A' and 'a'
    {"`", "@", false},
    {"{", "[[]", false},
    // "*" and "?"
    {"", "*", true},
    {"abc", "*", true},
    {"abc", "*.*", false},
    {"a.b", "*.*", true},
    {"a", "?", true},
    {"", "?", false},
    {"ab", "?", false},
    {"ab", "??", true},
    {"", "?*", false},
    {"xa", "**a", true},
    // "*?" acts as "*": the "?" no longer demands a byte
    {"", "*?", true},
    {"a", "a*?", true},
    {"a", "a*??*?", true},
    // a "*" tries every length
    {"aab", "*ab", true},
    {"abcabd", "*abd", true},
    {"abcabc", "a*c*c", true},
    {"abcab", "a*c*c", false},
    {"aXbXc", "a*b*c", true},
    // sets
    {"b", "[abc]", true},
    {"B", "[abc]", true},
    {"Bx", "[a-c]x", true},
    {"d", "[!a-c]", true},
    {"B", "[!a-c]", false},
    {"", "[!a]", false},
    {"-", "[a-]", true},
    {"!", "[x!]", true},
    {"!", "[!!]", false},
    {"a", "[!!]", true},
    {"x", "[c-ax]", true},  // a reversed range adds nothing to its first member
    {"b", "[c-ax]", false},
    {"c", "[c-a]", true},
    {"e", "[a-c-e]", true},  // a range may start at the end of another
    // code page 932: a double-byte character is one element
    {"\x83\x41", "\x83\x41", true},
    {"\x83\x41", "\x83\x61", false},  // trail bytes compare exactly
    {"\x83\x41", "??", true},         // "?" takes one byte of the name
    {"\x83\x41", "?", false},
    {"\x83*", "\x83*", true},  // a trail byte '*' is no star
    {"\x83xyz", "\x83*", false},
    {"\x83[", "\x83[", true},  // nor is a trail '[' a set
    {"b",
     "[\x83\x41"
     "b]",
     true},  // double-byte characters in a set are ignored
    {"\x83",
     "[\x83\x41"
     "b]",
     false},
    {"\x83\x41", "*\x83\x41", true},
    {"a\x83", "a\x83", true},  // a lead byte at the end stands for itself
};

TEST(NameMaskTest, FollowsTheMaskRules) {
  for (const MaskCase& c : kMaskCases) {
    EXPECT_EQ(NameMatchesMask(c.name, c.mask), c.matches)
        << "name '" << c.name << "' mask '" << c.mask << "'";
  }
}

std::string Repeat(std::string_view part, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += part;
  return text;
}

TEST(NameMaskTest, BacktrackingStaysLinearInTheStars) {
  // Exponential backtracking would not finish on this pair.
  std::string name = Repeat("a", 2000) + "b";
  EXPECT_FALSE(NameMatchesMask(name, Repeat("*a", 25) + "*c"));
  EXPECT_TRUE(NameMatchesMask(name, Repeat("*a", 25) + "*b"));
}

TEST(NameMaskTest, ThirtyStarsAreAllowed) {
  EXPECT_TRUE(NameMatchesMask(Repeat("a", 30), Repeat("*a", 30)));
  EXPECT_TRUE(NameMatchesMask(Repeat("ab", 30), Repeat("a*", 30)));
  EXPECT_TRUE(NameMatchesMask("a", std::string(100, '*') + "a"));  // one "*" run
}

struct InvalidMask {
  std::string mask;
  int position;
};

TEST(NameMaskTest, RejectsInvalidMasksAtTheFaultyByte) {
  const InvalidMask cases[] = {
      {"[", 2},
      {"[abc", 5},
      {"[!", 3},
      {"a[\x83\x41", 5},
      {"[]", 2},
      {"[!]", 3},
      {"a[\x83\x41]", 5},
      {"[\x83]]", 4},  // the trail byte ']' does not close the set
      {"[-a]", 2},
      {"[!-a]", 3},
      {"[\x83\x41-a]", 4},
      {Repeat("*a", 31), 61},
      {Repeat("**a", 31), 91},
      {Repeat("*?a", 31), 91},
      {Repeat("a*", 31), 62},
  };
  for (const InvalidMask& c : cases) {
    try {
      NameMatchesMask("name", c.mask);
      ADD_FAILURE() << "accepted mask '" << c.mask << "'";
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), "'" + c.mask + "' は不正なマスクです (" + std::to_string(c.position) +
                                 " バイト目)");
    }
  }
}

}  // namespace
}  // namespace siconv
