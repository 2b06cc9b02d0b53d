#pragma once
// Field splitting of record and header lines, and the small text helpers.
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
  std::optional<std::string_view> Next() {
    if (ended_) return std::nullopt;
    std::optional<std::string_view> field = commas_ ? NextCommaField() : NextSpaceField();
    started_ = true;
    ended_ = !field;
    return field;
  }

 private:
  std::optional<std::string_view> NextCommaField();
  std::optional<std::string_view> NextSpaceField();

  std::string_view line_;
  bool commas_;
  bool started_ = false;
  bool ended_ = false;
  std::size_t p_ = 0;    // where the last field found starts
  std::size_t end_ = 0;  // where its text stops
};

// The n-th field (from 1) separated by runs of blanks; nullopt when not found.
std::optional<std::string_view> GetSpaceField(int n, std::string_view line);

// The n-th comma-separated field (from 1); nullopt when not found.
// For "1,2," field 3 is not found; for "1,2,," field 4 is found and empty.
std::optional<std::string_view> GetCommaField(int n, std::string_view line);

// True when every byte is a blank (0x20); true for an empty text.
bool IsBlank(std::string_view text);

// Halves away from zero. Raises EOverflow outside the 32-bit integer range.
std::int32_t RoundToInt(double x);

// Path with the platform's separator appended, unless it is empty or already
// ends in one.
std::string AddBackslash(std::string path);

}  // namespace siconv
