#include "engine/text_fields.h"

#include <cmath>
#include <limits>

#include "engine/exceptions.h"
#include "engine/number_text.h"

namespace siconv {
namespace {

bool EndsField(char c) { return c == ' ' || c == '\r' || c == '\n' || c == '\0'; }

bool EndsCommaField(char c) { return c == ',' || c == '\r' || c == '\n' || c == '\0'; }

}  // namespace

std::optional<std::string_view> GetSpaceField(int n, std::string_view line) {
  if (n <= 0 || line.empty()) return std::nullopt;
  const size_t len = line.size();
  size_t p = 0;
  int k = 0;
  for (;;) {
    if (p >= len) return std::nullopt;
    if (line[p] == ' ') {
      ++p;
      continue;
    }
    if (++k == n) break;
    // Skipping a field never looks at the last byte: a field reaching it ends the line.
    while (line[p] != ' ') {
      if (++p + 1 >= len) return std::nullopt;
    }
  }
  size_t end = p;
  while (end < len && !EndsField(line[end])) ++end;
  return line.substr(p, end - p);
}

std::optional<std::string_view> GetCommaField(int n, std::string_view line) {
  if (n <= 0 || line.empty()) return std::nullopt;
  const size_t len = line.size();
  size_t p = 0;
  // The search looks at its starting byte, then only at bytes before the last
  // one: a final comma opens a further field only when the search starts on it.
  for (int k = 1; k != n; ++k) {
    while (p >= len || line[p] != ',') {
      if (++p + 1 >= len) return std::nullopt;
    }
    ++p;
  }
  if (p >= len) return line.substr(len);
  size_t end = p;
  while (end < len && !EndsCommaField(line[end])) ++end;
  return line.substr(p, end - p);
}

bool IsBlank(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

std::int32_t RoundToInt(double x) {
  if (x == 0) return 0;
  Extended e = x;
  Extended r = std::trunc(x > 0 ? e + 0.5L : e - 0.5L);
  if (!(r >= std::numeric_limits<std::int32_t>::min() &&
        r <= std::numeric_limits<std::int32_t>::max())) {
    throw EOverflow();
  }
  return static_cast<std::int32_t>(r);
}

std::string AddBackslash(std::string path) {
  if (!path.empty() && path.back() != kPathSeparator) path.push_back(kPathSeparator);
  return path;
}

}  // namespace siconv
