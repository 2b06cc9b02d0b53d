#include "engine/conversion_host.h"

namespace siconv {

std::string OpenErrorText(const std::string& path) {
  return "ファイルがオープンできません\r\n[" + path + "]";
}

void ConversionHost::ShowOpenError(const std::string& path) {
  // The dialog has a single Abort button; which way it was closed changes nothing.
  Errors().RunMessageDialog(OpenErrorText(path), message_dialog::kKindError, message_dialog::kAbort,
                            0);
}

}  // namespace siconv
