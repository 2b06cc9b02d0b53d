#include "tests/support/child_process.h"

namespace siconv {

std::optional<int> ExitCodeOfChild(const std::function<void()>&) {
  return std::nullopt;
}

}  // namespace siconv
