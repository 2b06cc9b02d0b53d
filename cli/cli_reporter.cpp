#include "cli/cli_reporter.h"

#include "cli/interruption.h"

namespace siconv {
namespace {

// One report per line, so that a batch's errors can be searched line by line.
std::string OnOneLine(std::string text) {
  for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.replace(at, 2, " ");
  return text;
}

void AppendHex(std::string& out, unsigned char b) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  out += "\\x";
  out += kHex[b >> 4];
  out += kHex[b & 0x0F];
}

// Control characters of data files (C0, DEL, and C1 as UTF-8) never reach
// the terminal raw; a C1 keeps both its bytes, which in a raw CP932 folder
// name are two characters.
std::string Escaped(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
    if (b == 0xC2 && next >= 0x80 && next <= 0x9F) {
      AppendHex(out, b);
      AppendHex(out, next);
      ++i;
    } else if (b < 0x20 || b == 0x7F) {
      AppendHex(out, b);
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string Place(const Exception& e) {
  const std::string place = ExceptionPlace(e);
  return place.empty() ? "" : place + ": ";
}

}  // namespace

int CliReporter::RunMessageDialog(const std::string& text, int, std::uint16_t, int) {
  Error(OnOneLine(text));
  return message_dialog::kResultAbort;
}

void CliReporter::ReportException(const Exception& e) {
  Error(Place(e) + ReportExceptionText(e.Message()));
}

bool CliReporter::StopRequested() {
  stopped_ = stopped_ || InterruptRequested();
  return stopped_;
}

void CliReporter::Note(const std::string& text) {
  if (!quiet_) err_ << Escaped(text) << '\n';
}

void CliReporter::Error(const std::string& text) {
  err_ << Escaped(text) << '\n';
}

}  // namespace siconv
