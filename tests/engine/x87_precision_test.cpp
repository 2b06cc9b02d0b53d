#include "engine/x87_precision.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "engine/line_converter.h"
#include "engine/line_file.h"
#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

std::uint16_t ControlWord() {
  std::uint16_t control = 0;
  asm volatile("fnstcw %0" : "=m"(control));
  return control;
}

void LoadControlWord(std::uint16_t control) {
  asm volatile("fldcw %0" : : "m"(control));
}

// 1 + 2^-60 exists with a 64-bit significand and rounds to 1 with 53 bits.
bool KeepsSixtyFourBits() {
  volatile long double one = 1.0L;
  volatile long double tiny = 0x1p-60L;
  volatile long double sum = one + tiny;
  return sum != one;
}

TEST(X87PrecisionTest, RaisesA53BitPrecisionControlTo64Bits) {
  const std::uint16_t saved = ControlWord();
  LoadControlWord(static_cast<std::uint16_t>((saved & ~0x0300) | 0x0200));  // 53 bits
  ASSERT_FALSE(KeepsSixtyFourBits()) << "53-bit precision control did not take effect";
  EnsureX87FullPrecision();
  EXPECT_TRUE(KeepsSixtyFourBits());
  EXPECT_EQ(ControlWord(), saved | 0x0300);
  LoadControlWord(saved);
}

TEST(X87PrecisionTest, LeavesOtherControlBitsAlone) {
  const std::uint16_t saved = ControlWord();
  // Rounding toward zero (bits 10-11 = 11) and 24-bit precision.
  const std::uint16_t changed = static_cast<std::uint16_t>((saved & ~0x0F00) | 0x0C00);
  LoadControlWord(changed);
  EnsureX87FullPrecision();
  EXPECT_EQ(ControlWord(), changed | 0x0300);
  LoadControlWord(saved);
}

// 670.467 kgf/cm2 in kN/m2: the product rounds to a different float at 53 bits.
constexpr const char* kFixedFormat[] = {"%13.6f"};
constexpr int kScaled[] = {1};
const ColumnTable kPressureColumn{kFixedFormat, kScaled, 1};

TEST(X87PrecisionTest, AConversionComputesWithSixtyFourBitsWhateverItFinds) {
  TempDir dir;
  WriteFile(dir.Path("G73.TXT"), "670.467\r\n");
  LineFile in, out;
  in.Bind(dir.Path("G73.TXT"));
  out.Bind(dir.Path("KELDRAN.$$$"));
  ASSERT_EQ(in.OpenRead(), 0);
  ASSERT_EQ(out.OpenWrite(), 0);
  const std::uint16_t saved = ControlWord();
  LoadControlWord(static_cast<std::uint16_t>((saved & ~0x0300) | 0x0200));
  ASSERT_EQ(ConvertLineText("670.467", kToSi, SeparatorMode::Commas, kPressureColumn, 98.0665),
            " 65750.351562");
  ConvertLines(in, out, kToSi, SeparatorMode::Commas, kPressureColumn, -1, 98.0665);
  const std::uint16_t during = ControlWord();
  LoadControlWord(saved);
  EXPECT_EQ(during & 0x0300, 0x0300);
  ASSERT_EQ(out.Close(), 0);
  ASSERT_EQ(in.Close(), 0);
  EXPECT_EQ(ReadFile(dir.Path("KELDRAN.$$$")), " 65750.351563\r\n");
}

}  // namespace
}  // namespace siconv
