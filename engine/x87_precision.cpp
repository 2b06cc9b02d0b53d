#include "engine/x87_precision.h"

#include <cstdint>

namespace siconv {
namespace {

// Precision control, bits 8 and 9 of the x87 control word: 11 = 64 bits.
constexpr std::uint16_t kPrecisionMask = 0x0300;

}  // namespace

// The same instructions on every x86-64 system, so one file serves Linux and
// Windows alike.
void EnsureX87FullPrecision() {
  std::uint16_t control = 0;
  asm volatile("fnstcw %0" : "=m"(control));
  if ((control & kPrecisionMask) == kPrecisionMask) return;
  control |= kPrecisionMask;
  asm volatile("fldcw %0" : : "m"(control));
}

}  // namespace siconv
