// The SICONV.INI reader and editor over arbitrary texts: SetIniValues keeps
// every line it need not change byte for byte (it only replaces the values of
// the keys set, adds missing keys, or appends the section), the values set
// read back, and every other key of the text reads as before. A UTF-8
// byte-order mark at the start is kept.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "state/ini_text.h"

namespace siconv::fuzz {
namespace {

struct Line {
  std::string_view content;
  std::string_view end;  // CR LF, LF, CR, or empty for a last line without one
};

std::vector<Line> SplitLines(std::string_view text) {
  std::vector<Line> lines;
  while (!text.empty()) {
    const std::size_t stop = std::min(text.find_first_of("\r\n"), text.size());
    std::size_t endLength = stop == text.size() ? 0 : 1;
    if (text.substr(stop).starts_with("\r\n")) endLength = 2;
    lines.push_back({text.substr(0, stop), text.substr(stop, endLength)});
    text.remove_prefix(stop + endLength);
  }
  return lines;
}

std::string_view Trim(std::string_view s) {
  const std::size_t first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

std::optional<std::string_view> SectionName(std::string_view content) {
  const std::string_view t = Trim(content);
  if (!t.starts_with('[') || t.find(']') == std::string_view::npos) return std::nullopt;
  return Trim(t.substr(1, t.find(']') - 1));
}

std::optional<std::string_view> KeyName(std::string_view content) {
  const std::string_view t = Trim(content);
  if (t.starts_with('[') || t.starts_with(';') || content.find('=') == std::string_view::npos) {
    return std::nullopt;
  }
  return Trim(content.substr(0, content.find('=')));
}

// A name of letters, digits and "_" made from fuzz bytes, never empty.
std::string Name(FuzzedDataProvider& in, std::string_view fallback) {
  std::string name;
  for (char c : in.ConsumeRandomLengthString(12)) {
    if (std::isalnum(static_cast<unsigned char>(c)) || c == '_') name += c;
  }
  return name.empty() ? std::string(fallback) : name;
}

// A value as the reader gives it back: one line, no blanks around it.
std::string Value(FuzzedDataProvider& in) {
  std::string value = in.ConsumeRandomLengthString(64);
  std::erase_if(value, [](char c) { return c == '\r' || c == '\n'; });
  return std::string(Trim(value).substr(0, kIniValueMaxBytes));
}

std::vector<IniSetting> Settings(FuzzedDataProvider& in) {
  std::vector<IniSetting> settings;
  const int count = in.ConsumeIntegralInRange(0, 7);
  for (int k = 0; k < count; ++k) {
    std::string key = in.ConsumeBool() ? "SI_" + std::to_string(k) : Name(in, "K");
    const bool taken = std::ranges::any_of(
        settings, [&](const IniSetting& s) { return SameIgnoringCase(s.key, key); });
    if (!taken) settings.push_back({key, Value(in)});
  }
  return settings;
}

class EditCheck {
 public:
  EditCheck(std::string_view section, const std::vector<IniSetting>& settings)
      : section_(section), settings_(settings) {}

  bool IsSetKey(const Line& line) const {
    const std::optional<std::string_view> key = KeyName(line.content);
    return key && std::ranges::any_of(settings_, [&](const IniSetting& s) {
             return SameIgnoringCase(s.key, *key);
           });
  }

  // Output lines are input lines, replaced or added key lines of the
  // settings, or the appended section line.
  void CheckLines(std::string_view before, std::string_view after) const {
    const std::vector<Line> in = SplitLines(before);
    std::size_t i = 0;
    for (const Line& o : SplitLines(after)) {
      if (i < in.size() && Same(in[i], o)) {
        ++i;
      } else if (IsSetKey(o)) {
        if (i < in.size() && IsSetKey(in[i]) && SameKeyPart(in[i], o)) ++i;
      } else {
        Require(i == in.size() && o.content == "[" + std::string(section_) + "]",
                "a line that the edit had to keep changed", o.content);
      }
    }
    Require(i == in.size(), "a line of the text was lost", before);
  }

  void CheckValues(std::string_view before, std::string_view after) const {
    for (const IniSetting& s : settings_) {
      Require(IniValue(after, section_, s.key) == s.value, "a value set does not read back",
              s.key + "=" + s.value);
    }
    std::string_view current;
    int probes = 0;
    for (const Line& line : SplitLines(before)) {
      if (std::optional<std::string_view> name = SectionName(line.content)) current = *name;
      const std::optional<std::string_view> key = KeyName(line.content);
      if (!key || current.empty() || probes++ > 50) continue;
      if (SameIgnoringCase(current, section_) && IsSetKey(line)) continue;
      Require(IniValue(after, current, *key) == IniValue(before, current, *key),
              "a key that was not set reads otherwise", line.content);
    }
  }

 private:
  // Equal, except that a last line may have gained a line end.
  static bool Same(const Line& a, const Line& b) {
    return a.content == b.content && (a.end == b.end || (a.end.empty() && b.end == "\r\n"));
  }
  static bool SameKeyPart(const Line& a, const Line& b) {
    return a.content.substr(0, a.content.find('=')) == b.content.substr(0, b.content.find('='));
  }

  std::string_view section_;
  const std::vector<IniSetting>& settings_;
};

}  // namespace
}  // namespace siconv::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace siconv::fuzz;
  FuzzedDataProvider in(data, size);
  const std::string section = in.ConsumeBool() ? "UNITTYPE" : Name(in, "S");
  const std::vector<siconv::IniSetting> settings = Settings(in);
  const std::string before = in.ConsumeRemainingBytesAsString();
  const std::string after = siconv::SetIniValues(before, section, settings);
  // A byte-order mark stays in front of the text and is no part of its first line.
  constexpr std::string_view kMark = "\xEF\xBB\xBF";
  const bool marked = before.starts_with(kMark);
  Require(!marked || after.starts_with(kMark), "the byte-order mark was lost", before);
  const std::string_view edited = std::string_view(after).substr(marked ? kMark.size() : 0);
  const std::string_view original = std::string_view(before).substr(marked ? kMark.size() : 0);
  const EditCheck check(section, settings);
  check.CheckLines(original, edited);
  check.CheckValues(original, edited);
  return 0;
}
