#pragma once
// Field splitting of record and header lines, and the small text helpers.
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace siconv {

// The fields of a line in order, each found exactly as GetSpaceField or
// GetCommaField finds it, without searching from the start for every field.
// Once a field is not found, no later one is.
class FieldCursor {
 public:
  enum class Separator { Blanks, Commas };
  FieldCursor(std::string_view line, Separator separator)
      : line_(line), commas_(separator == Separator::Commas) {}
  // The next field into field; false when there is none. (A flag and an out
  // parameter stay in registers where an optional would go through memory.)
  bool Next(std::string_view& field) {
    if (ended_) return false;
    const bool found = commas_ ? NextCommaField(field) : NextSpaceField(field);
    started_ = true;
    ended_ = !found;
    return found;
  }

 private:
  bool NextCommaField(std::string_view& field);
  bool NextSpaceField(std::string_view& field);

  std::string_view line_;
  bool commas_;
  bool started_ = false;
  bool ended_ = false;
  std::size_t p_ = 0;    // where the last field found starts
  std::size_t end_ = 0;  // where its text stops
};

namespace text_fields_detail {

// The bytes that end a comma-separated field, looked up in one step: the
// scan runs over every byte of every record line.
inline constexpr auto kEndsCommaField = [] {
  std::array<bool, 256> ends{};
  for (const unsigned char c : {',', '\r', '\n', '\0'}) ends[c] = true;
  return ends;
}();

}  // namespace text_fields_detail

// Inline, as the converter's loop calls it for every field of a record file.
inline bool FieldCursor::NextCommaField(std::string_view& field) {
  const std::size_t len = line_.size();
  if (len == 0) return false;
  if (started_) {
    // No comma lies between a field's start and where its text stopped. The
    // search looks at its starting byte, then only at bytes before the last
    // one: a final comma opens a further field only when the search starts on it.
    const std::size_t comma = end_ < len && line_[end_] == ',' ? end_ : line_.find(',', end_);
    if (comma == std::string_view::npos || (comma != p_ && comma + 1 >= len)) return false;
    p_ = comma + 1;
  }
  // A local index: a member would be stored at every byte, as a char may alias it.
  std::size_t end = p_;
  while (end < len && !text_fields_detail::kEndsCommaField[static_cast<unsigned char>(line_[end])])
    ++end;
  end_ = end;
  field = line_.substr(p_, end - p_);
  return true;
}

// The n-th field (from 1) separated by runs of blanks; nullopt when not found.
std::optional<std::string_view> GetSpaceField(int n, std::string_view line);

// The n-th comma-separated field (from 1); nullopt when not found.
// For "1,2," field 3 is not found; for "1,2,," field 4 is found and empty.
std::optional<std::string_view> GetCommaField(int n, std::string_view line);

// True when every byte is a blank (0x20); true for an empty text.
inline bool IsBlank(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

// Halves away from zero. Raises EOverflow outside the 32-bit integer range.
std::int32_t RoundToInt(double x);

}  // namespace siconv
