#include "fuzz/fuzz_check.h"

#include <cstdio>
#include <cstdlib>

namespace siconv::fuzz {

void Fail(std::string_view what, std::string_view detail) {
  std::fprintf(stderr, "invariant broken: %.*s\n  [%s]\n", static_cast<int>(what.size()),
               what.data(), Escaped(detail).c_str());
  std::abort();
}

bool IsPrintableAscii(std::string_view text) {
  for (char c : text) {
    if (c < 0x20 || c > 0x7E) return false;
  }
  return true;
}

std::string Escaped(std::string_view text) {
  std::string out;
  for (unsigned char c : text) {
    if (c >= 0x20 && c < 0x7F && c != '\\') {
      out += static_cast<char>(c);
    } else {
      char code[8];
      std::snprintf(code, sizeof code, "\\x%02X", c);
      out += code;
    }
  }
  return out;
}

}  // namespace siconv::fuzz
