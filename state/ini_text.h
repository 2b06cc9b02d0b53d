#pragma once
// Profile (INI) text read and edited in memory. An edit changes only the lines
// it must: every other byte, line end and comment of the text stays as it was.
// Lines end at CR LF, LF or a lone CR; lines the editor adds end in CR LF.
// A UTF-8 byte-order mark at the start is skipped, and kept by an edit.
#include <string>
#include <string_view>
#include <vector>

namespace siconv {

// A value as the profile reader gives it: at most this many bytes.
inline constexpr std::size_t kIniValueMaxBytes = 2047;

// The value of key in section (both names found without regard to ASCII
// letter case, blanks (spaces) around names and value trimmed); empty when missing.
std::string IniValue(std::string_view text, std::string_view section, std::string_view key);

struct IniSetting {
  std::string key;
  std::string value;
};

// text with every setting written into section: a present key's value is
// replaced in its line, a missing key is added after the section's last key,
// a missing section is appended at the end of the text.
std::string SetIniValues(std::string_view text, std::string_view section,
                         const std::vector<IniSetting>& settings);

}  // namespace siconv
