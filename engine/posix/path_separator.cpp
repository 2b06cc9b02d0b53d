#include "engine/path_separator.h"

namespace siconv {

char PathSeparator() {
  return '/';
}

bool IsPathSeparator(char c) {
  return c == '/';
}

}  // namespace siconv
