#include "engine/text_fields.h"

#include <cmath>
#include <limits>

#include "engine/exceptions.h"
#include "engine/extended.h"

namespace siconv {
namespace {

bool EndsField(char c) {
  return c == ' ' || c == '\r' || c == '\n' || c == '\0';
}

}  // namespace

bool FieldCursor::NextSpaceField(std::string_view& field) {
  const size_t len = line_.size();
  if (started_) {
    // Skipping a field never looks at the last byte: a field reaching it ends the line.
    while (line_[p_] != ' ') {
      if (++p_ + 1 >= len) return false;
    }
  }
  while (p_ < len && line_[p_] == ' ') ++p_;
  if (p_ >= len) return false;
  size_t end = p_;
  while (end < len && !EndsField(line_[end])) ++end;
  field = line_.substr(p_, end - p_);
  return true;
}

namespace {

std::optional<std::string_view> NthField(int n, std::string_view line,
                                         FieldCursor::Separator separator) {
  if (n <= 0) return std::nullopt;
  FieldCursor cursor(line, separator);
  std::string_view field;
  for (int k = 0; k < n; ++k) {
    if (!cursor.Next(field)) return std::nullopt;
  }
  return field;
}

}  // namespace

std::optional<std::string_view> GetSpaceField(int n, std::string_view line) {
  return NthField(n, line, FieldCursor::Separator::Blanks);
}

std::optional<std::string_view> GetCommaField(int n, std::string_view line) {
  return NthField(n, line, FieldCursor::Separator::Commas);
}

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

}  // namespace siconv
