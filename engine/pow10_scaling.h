#pragma once
// x * 10^n over three power tables, inline for the parsing and formatting
// loops: passing an extended value to a function goes through memory.
#include <limits>

#include "engine/extended.h"

namespace siconv::pow10 {

// Each entry is the extended value nearest to its power of ten (the compiler
// rounds decimal literals correctly); 10^0 through 10^27 are exact.
inline constexpr Extended kT0[32] = {1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,
                                     1e8L,  1e9L,  1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L,
                                     1e16L, 1e17L, 1e18L, 1e19L, 1e20L, 1e21L, 1e22L, 1e23L,
                                     1e24L, 1e25L, 1e26L, 1e27L, 1e28L, 1e29L, 1e30L, 1e31L};
// 10^(32 j) and 10^(512 j); index 0 is never used.
inline constexpr Extended kT1[16] = {1,      1e32L,  1e64L,  1e96L,  1e128L, 1e160L,
                                     1e192L, 1e224L, 1e256L, 1e288L, 1e320L, 1e352L,
                                     1e384L, 1e416L, 1e448L, 1e480L};
inline constexpr Extended kT2[10] = {1,       1e512L,  1e1024L, 1e1536L, 1e2048L,
                                     1e2560L, 1e3072L, 1e3584L, 1e4096L, 1e4608L};

inline constexpr int kLimit = 5120;

// At most three rounded steps, one per table. The factors are applied one by
// one and divisions stay divisions: both keep the rounding of every step fixed.
inline Extended Scale(Extended x, int n) {
  if (n == 0) return x;
  if (n > 0) {
    if (n >= kLimit) return std::numeric_limits<Extended>::infinity();
    x = x * kT0[n % 32];
    if ((n / 32) % 16 != 0) x = x * kT1[(n / 32) % 16];
    if (n / 512 != 0) x = x * kT2[n / 512];
    return x;
  }
  if (n <= -kLimit) return 0;
  const int m = -n;
  x = x / kT0[m % 32];
  if ((m / 32) % 16 != 0) x = x / kT1[(m / 32) % 16];
  if (m / 512 != 0) x = x / kT2[m / 512];
  return x;
}

}  // namespace siconv::pow10
