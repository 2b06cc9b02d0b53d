// Checks the hardware path of the number rules against slow exact integer
// arithmetic (the fixed layout) and against the C library (parsing).
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <tuple>

#include "engine/format_text.h"
#include "engine/parse_number_text.h"

namespace siconv {
namespace {

__extension__ typedef unsigned __int128 U128;

constexpr std::uint64_t kTen18 = 1'000'000'000'000'000'000;

U128 Power(U128 base, int n) {
  U128 p = 1;
  while (n-- > 0) p *= base;
  return p;
}

U128 Pow10(int n) {
  return Power(10, n);
}

int BitLength(U128 n) {
  int bits = 0;
  for (; n != 0; n >>= 1) ++bits;
  return bits;
}

// n / 2^s rounded to nearest, ties to even.
U128 ShiftRightRounded(U128 n, int s) {
  if (s <= 0) return n << -s;
  const U128 q = n >> s;
  const U128 rest = n - (q << s);
  const U128 half = U128{1} << (s - 1);
  return rest > half || (rest == half && (q & 1)) ? q + 1 : q;
}

std::string ToText(U128 n, int minDigits) {
  std::string s;
  for (; n != 0 || static_cast<int>(s.size()) < minDigits; n /= 10) {
    s.insert(s.begin(), static_cast<char>('0' + static_cast<int>(n % 10)));
  }
  return s;
}

// "%<width>.<decimals>f" of f by exact arithmetic: the exponent estimate from
// the binary exponent, |f| x 10^(18-E) rounded once to 64 significant bits and
// then to an integer (ties to even), one place up from 10^18, then the cut
// with halves away from zero. Covers 1e-8 <= |f| < 1e17, where the power of
// ten is a single exact factor.
std::string ReferenceFixed(float f, int width, int decimals) {
  int binaryExponent;
  const float fraction = std::frexp(std::fabs(f), &binaryExponent);
  int exponent = static_cast<int>(std::floor((binaryExponent - 1) * 19728 / 65536.0)) + 1;
  const int n = 18 - exponent;
  // |f| = significand x 2^(binaryExponent - 24); times 10^n = significand x 5^n x 2^(shift).
  U128 scaled = static_cast<U128>(std::ldexp(fraction, 24)) * Power(5, n);
  int shift = binaryExponent - 24 + n;
  const int excess = BitLength(scaled) - 64;
  if (excess > 0) {
    scaled = ShiftRightRounded(scaled, excess);
    shift += excess;
  }
  U128 form = ShiftRightRounded(scaled, -shift);
  if (form >= kTen18) {
    const U128 q = form / 10, r = form % 10;
    form = r > 5 || (r == 5 && (q & 1)) ? q + 1 : q;
    ++exponent;
  }
  // Cut position p: the kept digits, as an integer count of 10^-decimals.
  const int p = std::min(exponent + decimals, 18);
  U128 units = 0;
  if (p >= 0) {
    const U128 unit = Pow10(18 - p);
    units = form / unit + (form % unit >= unit / 2 && unit > 1 ? 1 : 0);
    units *= Pow10(exponent + decimals - p);
  }
  std::string digits = ToText(units, decimals + 1);
  if (decimals > 0) digits.insert(digits.size() - decimals, ".");
  if (f < 0 && units != 0) digits.insert(0, "-");
  return std::string(std::max(0, width - static_cast<int>(digits.size())), ' ') + digits;
}

TEST(NumberTextCrossCheck, FixedLayoutMatchesExactArithmetic) {
  const auto first = std::bit_cast<std::uint32_t>(1e-8f);
  const auto last = std::bit_cast<std::uint32_t>(1e17f);
  // A prime stride visits every binade at scattered mantissas.
  int checked = 0;
  for (std::uint32_t bits = first; bits < last; bits += 3001, ++checked) {
    const float f = std::bit_cast<float>(bits) * (bits % 2 ? -1.0f : 1.0f);
    for (const auto& [format, width, decimals] :
         {std::tuple{"%13.6f", 13, 6}, std::tuple{"%7.2f", 7, 2}}) {
      ASSERT_EQ(FormatNumberText(format, static_cast<Extended>(f)),
                ReferenceFixed(f, width, decimals))
          << format << " " << std::hexfloat << f;
    }
  }
  EXPECT_GT(checked, 100000);
}

TEST(NumberTextCrossCheck, ShortDecimalTextsParseToTheNearestValue) {
  // Up to 19 digits and a power within 10^27 take one exact-factor step, so
  // the result is the correctly rounded value, as the C library gives it.
  std::mt19937_64 random(20240601);
  for (int i = 0; i < 200000; ++i) {
    const int digitCount = 1 + static_cast<int>(random() % 19);
    std::string digits;
    for (int k = 0; k < digitCount; ++k) digits.push_back(static_cast<char>('0' + random() % 10));
    const int point = static_cast<int>(random() % (digitCount + 1));
    const int power =
        static_cast<int>(random() % 55) - 27;  // written exponent less fraction digits
    std::string text = digits.substr(0, point) + "." + digits.substr(point);
    text += "e" + std::to_string(power + digitCount - point);
    if (random() % 2) text.insert(0, "-");
    ASSERT_EQ(ParseNumberText(text), std::strtold(text.c_str(), nullptr)) << text;
  }
}

}  // namespace
}  // namespace siconv
