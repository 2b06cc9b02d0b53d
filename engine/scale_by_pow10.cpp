#include "engine/pow10_scaling.h"

namespace siconv {

Extended ScaleByPow10(Extended x, int n) {
  return pow10::Scale(x, n);
}

}  // namespace siconv
