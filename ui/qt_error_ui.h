#pragma once
// The running program's error dialogs: the message dialog of an open failure
// and the report of an exception that ended a command. Both are modal; tests
// put another ErrorUi in their place.
#include <QMessageBox>
#include <memory>
#include <string>

#include "engine/error_report.h"

namespace siconv {

// The exception report: the message under the period rule and the file or
// folder it concerns, captioned with the application's title, one OK button
// and the error icon.
std::unique_ptr<QMessageBox> MakeExceptionReport(const Exception& e, const std::string& title,
                                                 QWidget* owner);

class QtErrorUi : public ErrorUi {
 public:
  explicit QtErrorUi(std::string applicationTitle) : title_(std::move(applicationTitle)) {}

  int RunMessageDialog(const std::string& text, int kind, std::uint16_t buttons,
                       int helpContext) override;
  void ReportException(const Exception& e) override;

 private:
  std::string title_;
};

}  // namespace siconv
