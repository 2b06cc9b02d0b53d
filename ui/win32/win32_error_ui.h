#pragma once
// The running program's error dialogs on Windows: the message dialog of an
// open failure as a task dialog with the planned buttons, and the exception
// report as a message box captioned with the application's title. Both are
// modal for every window of the program; tests put another ErrorUi in their
// place.
#include <string>

#include "engine/error_report.h"

namespace siconv {

class Win32ErrorUi : public ErrorUi {
 public:
  explicit Win32ErrorUi(std::string applicationTitle) : title_(std::move(applicationTitle)) {}

  int RunMessageDialog(const std::string& text, int kind, std::uint16_t buttons,
                       int helpContext) override;
  void ReportException(const Exception& e) override;

 private:
  std::string title_;
};

}  // namespace siconv
