#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "engine/format_text.h"
#include "tests/engine/number_text_test_support.h"

namespace siconv {
namespace {

const std::string kInvalid = " は正しくないか引数の型と一致しません";
const std::string kMissing = " の引数が見つかりません";

std::string FormatError(const std::string& conversion, const std::string& tail) {
  return "書式文字列 '" + conversion + "'" + tail;
}

TEST(FormatText, CopiesTheBytesAroundConversions) {
  EXPECT_EQ(FormatText("'%s' は浮動小数点数ではありません", {std::string_view("1x")}),
            "'1x' は浮動小数点数ではありません");
  EXPECT_EQ(FormatText("%d:%s:%7.2f.", {std::int32_t{-3}, std::string_view("ab"), 2.5L}),
            "-3:ab:   2.50.");
  EXPECT_EQ(FormatText("no conversion", {}), "no conversion");
  EXPECT_EQ(FormatText("", {}), "");
}

TEST(FormatText, ColumnFormatWithSurroundingsOrWideWidth) {
  EXPECT_EQ(FormatNumberText("[%5.1f]", 2.25L), "[  2.3]");
  EXPECT_EQ(FormatNumberText("%40.2f", -1.5L), std::string(35, ' ') + "-1.50");
  EXPECT_EQ(FormatNumberText("%3s", std::string_view("a")), "  a");
}

TEST(FormatText, TextConversionPadsAndCuts) {
  const std::string_view text = "abc";
  EXPECT_EQ(FormatText("[%5s]", {text}), "[  abc]");
  EXPECT_EQ(FormatText("[%.2s]", {text}), "[ab]");
  EXPECT_EQ(FormatText("[%4.1s]", {text}), "[   a]");
  EXPECT_EQ(FormatText("[%1s]", {text}), "[abc]");
  EXPECT_EQ(FormatText("[%S]", {text}), "[abc]");
}

TEST(FormatText, LetterThatDoesNotFitItsArgument) {
  const struct {
    const char* format;
    FormatArg arg;
    const char* conversion;
  } cases[] = {
      {"%3d", 1.5L, "%3d"},
      {"x %7.2f y", std::int32_t{1}, "%7.2f"},
      {"%13.6g", std::string_view("1"), "%13.6g"},
      {"%s", std::int32_t{1}, "%s"},
      {"%x", std::int32_t{1}, "%x"},
      {"%5.3%", 1.5L, "%5.3%"},
      {"%-5d", std::int32_t{1}, "%-"},    // no flags: '-' stands where the letter belongs
      {"ab%12", std::int32_t{1}, "%12"},  // the format ends before a letter
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ConvertErrorMessage([&] { FormatNumberText(c.format, c.arg); }),
              FormatError(c.conversion, kInvalid))
        << c.format;
  }
}

TEST(FormatText, ConversionWithoutArgument) {
  EXPECT_EQ(ConvertErrorMessage([] { FormatText("%d and %5.1f", {std::int32_t{1}}); }),
            FormatError("%5.1f", kMissing));
  EXPECT_EQ(ConvertErrorMessage([] { FormatText("%s", {}); }), FormatError("%s", kMissing));
}

TEST(FormatText, ConversionTextInMessagesIsCutTo31Bytes) {
  const std::string longWidth = "%" + std::string(40, '0') + "5d";
  EXPECT_EQ(ConvertErrorMessage([&] { FormatNumberText(longWidth, 1.5L); }),
            FormatError(longWidth.substr(0, 31), kInvalid));
  const std::string exact = "%" + std::string(29, '1') + "q";  // 31 bytes: kept whole
  EXPECT_EQ(ConvertErrorMessage([&] { FormatNumberText(exact, 1.5L); }),
            FormatError(exact, kInvalid));
}

TEST(FormatText, ConversionTextNeverEndsInALeadByte) {
  // CP932 'あ' (82 A0) where the letter belongs: its lead byte is dropped.
  EXPECT_EQ(ConvertErrorMessage([] { FormatNumberText("%5\x82\xA0", std::int32_t{1}); }),
            FormatError("%5", kInvalid));
  // A single-byte katakana is kept and decoded.
  EXPECT_EQ(ConvertErrorMessage([] { FormatNumberText("%5\xB1", std::int32_t{1}); }),
            FormatError("%5ｱ", kInvalid));
}

}  // namespace
}  // namespace siconv
