#include "tests/support/recording_host.h"

namespace siconv {

int RecordingErrorUi::RunMessageDialog(const std::string& text, int kind, std::uint16_t buttons,
                                       int helpContext) {
  dialogs.push_back({text, kind, buttons, helpContext});
  return message_dialog::kResultAbort;
}

void RecordingErrorUi::ReportException(const Exception& e) {
  reports.push_back(e.Message());
  exceptions.push_back(e);
}

}  // namespace siconv
