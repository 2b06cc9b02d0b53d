#pragma once
// Where siconv-cli reports, in the system's own texts: progress and results
// unless quiet, errors always.
#include <ostream>
#include <string>

#include "engine/conversion_host.h"

namespace siconv {

class CliReporter : public ConversionHost, public ErrorUi {
 public:
  CliReporter(std::ostream& err, bool quiet) : err_(err), quiet_(quiet) {}

  void ShowStatus(const std::string& text) override { Note(text); }
  ErrorUi& Errors() override { return *this; }
  // Once a first interrupting signal came; it stays so.
  bool StopRequested() override;
  // Whether a command was told to stop.
  bool Stopped() const { return stopped_; }

  // The dialog's text on one line; answers as its only button, Abort, would.
  int RunMessageDialog(const std::string& text, int kind, std::uint16_t buttons,
                       int helpContext) override;
  // "file:line: " (or "file: ") before the message with the period rule.
  void ReportException(const Exception& e) override;

  void Note(const std::string& text);   // left out when quiet
  void Error(const std::string& text);  // always

 private:
  std::ostream& err_;
  bool quiet_;
  bool stopped_ = false;
};

}  // namespace siconv
