#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "engine/decimal_form.h"
#include "engine/pow10_scaling.h"

namespace siconv {
namespace {

constexpr std::uint64_t kTen18 = 1'000'000'000'000'000'000;

struct ExtendedBits {
  std::uint64_t significand;
  int exponentField;
  bool negative;
};

// The fields of the 80-bit format: 64-bit significand, then sign and 15-bit exponent.
ExtendedBits BitsOf(const Extended& v) {
  unsigned char bytes[10];
  std::memcpy(bytes, &v, sizeof bytes);
  std::uint64_t significand;
  std::memcpy(&significand, bytes, sizeof significand);
  const int signAndExponent = bytes[8] | (bytes[9] << 8);
  return {significand, signAndExponent & 0x7FFF, (signAndExponent & 0x8000) != 0};
}

void SetNonFinite(DecimalForm& form, const ExtendedBits& bits) {
  if (bits.significand == std::uint64_t{1} << 63) {
    form.exponent = DecimalForm::kInfinity;
    form.negative = bits.negative;
  } else {
    form.exponent = DecimalForm::kNotANumber;
  }
}

// Two digits per step from a table of "00" to "99".
void WriteNineDigits(std::uint32_t n, char* out) {
  static constexpr auto kPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
      pairs[2 * i] = static_cast<char>('0' + i / 10);
      pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
  }();
  for (int i = 7; i >= 1; i -= 2) {
    std::memcpy(out + i, &kPairs[2 * (n % 100)], 2);
    n /= 100;
  }
  out[0] = static_cast<char>('0' + n);
}

struct EighteenDigits {
  std::uint64_t value;  // below 10^18
  int exponent;         // decimal exponent of the magnitude
};

// The 18-digit decimal form of magnitude; estimate is its decimal exponent or one less.
EighteenDigits EighteenDigitForm(Extended magnitude, int estimate) {
  Extended x = std::rint(pow10::Scale(magnitude, kFormDigits - estimate));
  if (x >= static_cast<Extended>(kTen18)) {
    x = x / 10;
    ++estimate;
  }
  // Below 2^63 here; llrint rounds ties to even in the default rounding mode.
  auto value = static_cast<std::uint64_t>(std::llrint(x));
  // Only a form that rounded up to 10^18 has 19 digits: it is 10^17 one place up.
  if (value >= kTen18) {
    value /= 10;
    ++estimate;
  }
  return {value, estimate};
}

// A first dropped digit of 5 or more adds one to the last kept digit; kept
// digits that pass 9 are dropped in turn.
void RoundUpAt(DecimalForm& form, int p) {
  int last = p - 1;
  while (last >= 0 && form.digits[last] == '9') --last;
  if (last < 0) {
    form.digits[0] = '1';
    form.length = 1;
    ++form.exponent;
  } else {
    ++form.digits[last];
    form.length = last + 1;
  }
}

void TruncateAt(DecimalForm& form, int p) {
  form.length = p;
  while (form.length > 0 && form.digits[form.length - 1] == '0') --form.length;
}

// Digits of a finite non-zero value; a cut that keeps no digit leaves zero.
void SetDigits(DecimalForm& form, const Extended& v, const ExtendedBits& bits, int precision,
               int decimals) {
  const int e = bits.exponentField - 16383;
  // 19728 / 65536 is just below log10(2); the shift keeps the sign (floor).
  const EighteenDigits eighteen = EighteenDigitForm(std::fabs(v), ((e * 19728) >> 16) + 1);
  form.exponent = eighteen.exponent;
  const int p = std::min({form.exponent + decimals, precision, kFormDigits});
  // Digits past d[p] never matter: the lower nine only when the cut reaches them.
  WriteNineDigits(static_cast<std::uint32_t>(eighteen.value / 1'000'000'000), form.digits);
  if (p >= 9) {
    WriteNineDigits(static_cast<std::uint32_t>(eighteen.value % 1'000'000'000), form.digits + 9);
  }
  if (p >= 0 && p < kFormDigits && form.digits[p] >= '5') {
    RoundUpAt(form, p);
  } else {
    TruncateAt(form, std::max(p, 0));
  }
  if (form.length == 0) {
    form.exponent = 0;
    return;
  }
  form.negative = bits.negative;
}

}  // namespace

// The value is first reduced to 18 significant digits (ties to even) and only
// then cut at the wanted length, where a half rounds away from zero. One named
// result on every path lets it be built in place.
DecimalForm ToDecimalForm(const Extended& v, int precision, int decimals) {
  DecimalForm form;
  const ExtendedBits bits = BitsOf(v);
  if (bits.exponentField == 0x7FFF) {
    SetNonFinite(form, bits);
  } else if (bits.exponentField != 0) {
    SetDigits(form, v, bits, precision, decimals);
  }
  return form;
}

}  // namespace siconv
