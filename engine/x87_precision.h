#pragma once
// The number rules need the x87 unit to round to its full 64-bit significand.
// Linux starts processes that way; on Windows a runtime or a loaded library
// may leave it at 53 bits, which would change converted numbers.

namespace siconv {

// Sets the x87 precision control to 64 bits if it is not.
void EnsureX87FullPrecision();

}  // namespace siconv
