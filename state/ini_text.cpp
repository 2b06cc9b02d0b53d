#include "state/ini_text.h"

#include <algorithm>
#include <optional>

namespace siconv {
namespace {

// Blanks, as everywhere in the program: a tab is content.
constexpr std::string_view kBlanks = " ";
constexpr std::string_view kNewLine = "\r\n";

struct IniLine {
  enum class Kind { Other, Section, Key };
  std::string_view content;  // without its line end
  std::string_view lineEnd;  // empty only for a last line without one
  Kind kind = Kind::Other;
  std::string_view name;  // section or key name, trimmed
  std::size_t valueBegin = 0;
  std::size_t valueEnd = 0;
};

// The lines [header + 1, end) belong to the section whose line is header.
struct SectionSpan {
  std::size_t header;
  std::size_t end;
};

std::string_view Trim(std::string_view text) {
  std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  std::size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

char AsciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

void Classify(IniLine& line) {
  std::string_view trimmed = Trim(line.content);
  if (trimmed.starts_with('[')) {
    std::size_t close = trimmed.find(']');
    if (close == std::string_view::npos) return;
    line.kind = IniLine::Kind::Section;
    line.name = Trim(trimmed.substr(1, close - 1));
    return;
  }
  if (trimmed.starts_with(';')) return;
  std::size_t equals = line.content.find('=');
  if (equals == std::string_view::npos) return;
  line.kind = IniLine::Kind::Key;
  line.name = Trim(line.content.substr(0, equals));
  std::string_view value = Trim(line.content.substr(equals + 1));
  line.valueBegin = value.empty() ? line.content.size()
                                  : static_cast<std::size_t>(value.data() - line.content.data());
  line.valueEnd = line.valueBegin + value.size();
}

std::vector<IniLine> SplitLines(std::string_view text) {
  std::vector<IniLine> lines;
  while (!text.empty()) {
    IniLine line;
    std::size_t end = text.find_first_of(kNewLine);
    if (end == std::string_view::npos) end = text.size();
    std::size_t endLength = 0;
    if (end < text.size()) endLength = text.substr(end).starts_with(kNewLine) ? 2 : 1;
    line.content = text.substr(0, end);
    line.lineEnd = text.substr(end, endLength);
    Classify(line);
    lines.push_back(line);
    text.remove_prefix(end + endLength);
  }
  return lines;
}

// The first section of that name: the one the profile reader uses.
std::optional<SectionSpan> FindSection(const std::vector<IniLine>& lines,
                                       std::string_view section) {
  auto isSection = [](const IniLine& line) { return line.kind == IniLine::Kind::Section; };
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!isSection(lines[i]) || !EqualIgnoringAsciiCase(lines[i].name, section)) continue;
    auto next =
        std::find_if(lines.begin() + static_cast<std::ptrdiff_t>(i) + 1, lines.end(), isSection);
    return SectionSpan{i, static_cast<std::size_t>(next - lines.begin())};
  }
  return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<IniLine>& lines, SectionSpan span,
                                   std::string_view key) {
  for (std::size_t i = span.header + 1; i < span.end; ++i) {
    if (lines[i].kind == IniLine::Kind::Key && EqualIgnoringAsciiCase(lines[i].name, key)) {
      return i;
    }
  }
  return std::nullopt;
}

// New keys follow the section's last key; in a section without keys they
// follow its last line that is not blank, so blank separators stay last.
std::size_t InsertionLine(const std::vector<IniLine>& lines, SectionSpan span) {
  std::optional<std::size_t> lastNonBlank;
  for (std::size_t i = span.end - 1; i > span.header; --i) {
    if (lines[i].kind == IniLine::Kind::Key) return i;
    if (!lastNonBlank && !Trim(lines[i].content).empty()) lastNonBlank = i;
  }
  return lastNonBlank.value_or(span.header);
}

std::string ReplaceValue(const IniLine& line, std::string_view value) {
  std::string result(line.content.substr(0, line.valueBegin));
  result += value;
  result += line.content.substr(line.valueEnd);
  return result;
}

std::string KeyLine(const IniSetting& setting) {
  return setting.key + "=" + setting.value + std::string(kNewLine);
}

std::string AppendSection(std::string_view text, std::string_view section,
                          const std::string& keyLines) {
  std::string result(text);
  if (!result.empty() && !result.ends_with('\n') && !result.ends_with('\r')) result += kNewLine;
  result += "[";
  result += section;
  result += "]";
  result += kNewLine;
  return result + keyLines;
}

// A UTF-8 byte-order mark at the start, written by some editors: no part of
// the first line, kept in front of the text as it was.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view WithoutByteOrderMark(std::string_view text) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  return text;
}

}  // namespace

std::string IniValue(std::string_view text, std::string_view section, std::string_view key) {
  std::vector<IniLine> lines = SplitLines(WithoutByteOrderMark(text));
  std::optional<SectionSpan> span = FindSection(lines, section);
  if (!span) return {};
  std::optional<std::size_t> index = FindKey(lines, *span, key);
  if (!index) return {};
  const IniLine& line = lines[*index];
  std::string_view value = line.content.substr(line.valueBegin, line.valueEnd - line.valueBegin);
  return std::string(value.substr(0, kIniValueMaxBytes));
}

std::string SetIniValues(std::string_view whole, std::string_view section,
                         const std::vector<IniSetting>& settings) {
  const std::string_view text = WithoutByteOrderMark(whole);
  const std::string mark(whole.substr(0, whole.size() - text.size()));
  std::vector<IniLine> lines = SplitLines(text);
  std::optional<SectionSpan> span = FindSection(lines, section);
  std::vector<std::optional<std::string>> replaced(lines.size());
  std::string added;
  for (const IniSetting& setting : settings) {
    std::optional<std::size_t> index = span ? FindKey(lines, *span, setting.key) : std::nullopt;
    if (index) {
      replaced[*index] = ReplaceValue(lines[*index], setting.value);
    } else {
      added += KeyLine(setting);
    }
  }
  if (!span) return mark + AppendSection(text, section, added);

  std::size_t insertAfter = InsertionLine(lines, *span);
  std::string result = mark;
  result.reserve(whole.size() + added.size() + 2);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    result += replaced[i] ? std::string_view(*replaced[i]) : lines[i].content;
    bool inserting = i == insertAfter && !added.empty();
    result += (inserting && lines[i].lineEnd.empty()) ? kNewLine : lines[i].lineEnd;
    if (inserting) result += added;
  }
  return result;
}

}  // namespace siconv
