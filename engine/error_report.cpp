#include "engine/error_report.h"

#include <algorithm>

#include "engine/path_separator.h"

namespace siconv {
namespace {

bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The last character of a UTF-8 text, its continuation bytes taken with it.
std::string_view LastCharacter(std::string_view text) {
  std::size_t start = text.size() - 1;
  while (start > 0 && IsContinuationByte(text[start])) --start;
  return text.substr(start);
}

char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
char AsciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::string ReportExceptionText(std::string_view message) {
  std::string text(message);
  // string_view compares bytes as unsigned char, so every multi-byte character counts as above ".".
  if (!message.empty() && LastCharacter(message) > std::string_view(".")) text += '.';
  return text;
}

std::string ExceptionPlace(const Exception& e) {
  if (e.PlaceFile().empty() || e.Message().find(e.PlaceFile()) != std::string::npos) return "";
  const std::string line = e.PlaceLine() > 0 ? ":" + std::to_string(e.PlaceLine()) : "";
  return e.PlaceFile() + line;
}

std::string ExceptionReportText(const Exception& e) {
  const std::string place = ExceptionPlace(e);
  return ReportExceptionText(e.Message()) + (place.empty() ? "" : "\n" + place);
}

std::string ApplicationTitle(std::string_view executablePath) {
  const auto separator =
      std::find_if(executablePath.rbegin(), executablePath.rend(), IsPathSeparator);
  std::string_view name = executablePath.substr(executablePath.rend() - separator);
  std::string title(name.substr(0, name.find('.')));
  // Linux program names are lower case; the title starts with a capital all the same.
  for (std::size_t i = 0; i < title.size(); ++i) {
    title[i] = i == 0 ? AsciiUpper(title[i]) : AsciiLower(title[i]);
  }
  return title;
}

}  // namespace siconv
