#pragma once
// Independent readings of the text rules: how bytes split into lines, and
// how a line splits into the fields that the converter finds.
#include <string>
#include <string_view>
#include <vector>

namespace siconv::fuzz {

// Lines end at CR LF or a lone CR; 0x1A and the end of the bytes end the text.
std::vector<std::string> ReferenceLines(std::string_view bytes);

// The texts of fields 1, 2, ... as far as they are found, at most limit of them.
std::vector<std::string_view> ReferenceCommaFields(std::string_view line, std::size_t limit);
std::vector<std::string_view> ReferenceBlankFields(std::string_view line, std::size_t limit);

}  // namespace siconv::fuzz
