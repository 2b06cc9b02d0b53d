#include <cmath>
#include <cstdint>
#include <cstring>

#include "engine/number_text.h"

namespace siconv {
namespace {

constexpr int kFormDigits = 18;
constexpr std::uint64_t kTen18 = 1'000'000'000'000'000'000;

struct ExtendedBits {
  std::uint64_t significand;
  int exponentField;
  bool negative;
};

// The fields of the 80-bit format: 64-bit significand, then sign and 15-bit exponent.
ExtendedBits BitsOf(Extended v) {
  unsigned char bytes[sizeof(Extended)];
  std::memcpy(bytes, &v, sizeof bytes);
  std::uint64_t significand;
  std::memcpy(&significand, bytes, sizeof significand);
  const int signAndExponent = bytes[8] | (bytes[9] << 8);
  return {significand, signAndExponent & 0x7FFF, (signAndExponent & 0x8000) != 0};
}

DecimalDigits NonFinite(const ExtendedBits& bits) {
  DecimalDigits result;
  if (bits.significand == std::uint64_t{1} << 63) {
    result.Exponent = DecimalDigits::kInfinity;
    result.Negative = bits.negative;
  } else {
    result.Exponent = DecimalDigits::kNotANumber;
  }
  return result;
}

// Writes the 18-digit decimal form of magnitude into d (leading zeros kept) and
// returns its decimal exponent; estimate is that exponent or one less.
int EighteenDigitForm(Extended magnitude, int estimate, char (&d)[kFormDigits]) {
  Extended x = std::rint(ScaleByPow10(magnitude, kFormDigits - estimate));
  if (x >= static_cast<Extended>(kTen18)) {
    x = x / 10;
    ++estimate;
  }
  // Below 2^63 here, so the signed conversion (one x87 store) is exact.
  auto form = static_cast<std::uint64_t>(static_cast<std::int64_t>(std::rint(x)));
  // Only a form that rounded up to 10^18 has 19 digits: it is 10^17 one place up.
  if (form >= kTen18) {
    form /= 10;
    ++estimate;
  }
  // Two independent 9-digit halves keep the digit loops short.
  auto high = static_cast<std::uint32_t>(form / 1'000'000'000);
  auto low = static_cast<std::uint32_t>(form % 1'000'000'000);
  for (int i = 8; i >= 0; --i) {
    d[i] = static_cast<char>('0' + high % 10);
    d[i + 9] = static_cast<char>('0' + low % 10);
    high /= 10;
    low /= 10;
  }
  return estimate;
}

// A first dropped digit of 5 or more adds one to the last kept digit; kept
// digits that pass 9 are dropped in turn.
DecimalDigits RoundUpAt(const char (&d)[kFormDigits], int p, int exponent, bool negative) {
  int last = p - 1;
  while (last >= 0 && d[last] == '9') --last;
  DecimalDigits result;
  result.Negative = negative;
  if (last < 0) {
    result.Exponent = exponent + 1;
    result.Digits = "1";
  } else {
    result.Exponent = exponent;
    result.Digits.assign(d, static_cast<std::size_t>(last + 1));
    ++result.Digits.back();
  }
  return result;
}

DecimalDigits TruncateAt(const char (&d)[kFormDigits], int p, int exponent, bool negative) {
  int length = p;
  while (length > 0 && d[length - 1] == '0') --length;
  DecimalDigits result;
  if (length == 0) return result;
  result.Exponent = exponent;
  result.Negative = negative;
  result.Digits.assign(d, static_cast<std::size_t>(length));
  return result;
}

}  // namespace

// The value is first reduced to 18 significant digits (ties to even) and only
// then cut at the wanted length, where a half rounds away from zero.
DecimalDigits ToDecimalDigits(Extended v, int precision, int decimals) {
  const ExtendedBits bits = BitsOf(v);
  if (bits.exponentField == 0) return {};
  if (bits.exponentField == 0x7FFF) return NonFinite(bits);
  const int e = bits.exponentField - 16383;
  // 19728 / 65536 is just below log10(2); the shift keeps the sign (floor).
  char d[kFormDigits];
  const int exponent = EighteenDigitForm(std::fabs(v), ((e * 19728) >> 16) + 1, d);
  int p = exponent + decimals;
  if (p < 0) return {};
  if (p > precision) p = precision;
  if (p >= kFormDigits) return TruncateAt(d, kFormDigits, exponent, bits.negative);
  if (d[p] >= '5') return RoundUpAt(d, p, exponent, bits.negative);
  return TruncateAt(d, p, exponent, bits.negative);
}

}  // namespace siconv
