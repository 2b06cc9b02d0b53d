#pragma once
// A ConversionHost for tests: remembers every status text, dialog and report.
#include <string>
#include <vector>

#include "engine/conversion_host.h"

namespace siconv {

class RecordingErrorUi : public ErrorUi {
 public:
  int RunMessageDialog(const std::string& text, int kind, std::uint16_t buttons,
                       int helpContext) override;
  void ReportException(const Exception& e) override;

  struct Dialog {
    std::string text;
    int kind;
    std::uint16_t buttons;
    int helpContext;
  };
  std::vector<Dialog> dialogs;
  std::vector<std::string> reports;   // the messages of reported exceptions
  std::vector<Exception> exceptions;  // the same, with the places they name
};

class RecordingHost : public ConversionHost {
 public:
  void ShowStatus(const std::string& text) override { statuses.push_back(text); }
  ErrorUi& Errors() override { return errors; }

  std::vector<std::string> statuses;
  RecordingErrorUi errors;
};

}  // namespace siconv
