#pragma once
// The extended value every number of a data file passes through.
#include <limits>

namespace siconv {

using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64,
              "the number rules need the x87 80-bit extended format");

}  // namespace siconv
