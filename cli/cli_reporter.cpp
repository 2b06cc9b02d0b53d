#include "cli/cli_reporter.h"

#include "cli/interruption.h"

namespace siconv {
namespace {

// One report per line, so that a batch's errors can be searched line by line.
std::string OnOneLine(std::string text) {
  for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.replace(at, 2, " ");
  return text;
}

std::string Place(const Exception& e) {
  if (e.PlaceFile().empty()) return "";
  const std::string line = e.PlaceLine() > 0 ? ":" + std::to_string(e.PlaceLine()) : "";
  return e.PlaceFile() + line + ": ";
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
  if (!quiet_) err_ << text << '\n';
}

void CliReporter::Error(const std::string& text) {
  err_ << text << '\n';
}

}  // namespace siconv
