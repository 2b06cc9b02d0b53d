#include "fuzz/text_reference.h"

namespace siconv::fuzz {
namespace {

// A field's text stops at its separator, CR, LF or NUL.
std::string_view FieldText(std::string_view line, std::size_t start, char separator) {
  if (start >= line.size()) return {};
  std::size_t end = start;
  while (end < line.size() && line[end] != separator && line[end] != '\r' && line[end] != '\n' &&
         line[end] != '\0') {
    ++end;
  }
  return line.substr(start, end - start);
}

}  // namespace

std::vector<std::string> ReferenceLines(std::string_view bytes) {
  bytes = bytes.substr(0, bytes.find('\x1A'));
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r') {
      line += bytes[i];
      continue;
    }
    lines.push_back(std::move(line));
    line.clear();
    if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

// The search for the next comma looks at its starting byte, then only at bytes
// before the last one of the line.
std::vector<std::string_view> ReferenceCommaFields(std::string_view line, std::size_t limit) {
  std::vector<std::string_view> fields;
  const std::size_t n = line.size();
  std::size_t start = 0;
  while (n > 0 && fields.size() < limit) {
    fields.push_back(FieldText(line, start, ','));
    std::size_t p = start;
    while (p >= n || line[p] != ',') {
      if (++p + 1 >= n) return fields;
    }
    start = p + 1;
  }
  return fields;
}

std::vector<std::string_view> ReferenceBlankFields(std::string_view line, std::size_t limit) {
  std::vector<std::string_view> fields;
  std::size_t p = 0;
  while (fields.size() < limit) {
    while (p < line.size() && line[p] == ' ') ++p;
    if (p >= line.size()) break;
    fields.push_back(FieldText(line, p, ' '));
    while (p < line.size() && line[p] != ' ') ++p;
  }
  return fields;
}

}  // namespace siconv::fuzz
