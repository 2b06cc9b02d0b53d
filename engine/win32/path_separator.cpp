#include "engine/path_separator.h"

namespace siconv {

char PathSeparator() {
  return '\\';
}

// Windows takes "/" as well. Paths are UTF-8 here, where every byte of a
// multi-byte character is above 0x7F, so a CP932 trail byte 0x5C cannot be
// mistaken for a backslash.
bool IsPathSeparator(char c) {
  return c == '\\' || c == '/';
}

}  // namespace siconv
