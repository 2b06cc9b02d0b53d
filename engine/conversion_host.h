#pragma once
// The caller's side of a conversion: progress, open failures, dialogs, stopping.
#include <string>

#include "engine/error_report.h"

namespace siconv {

// What a conversion reports while it runs; the window and the CLI implement it.
class ConversionHost {
 public:
  virtual ~ConversionHost() = default;
  virtual void ShowStatus(const std::string& text) = 0;
  // A file that cannot be opened; by default the error dialog naming it.
  virtual void ShowOpenError(const std::string& path);
  virtual ErrorUi& Errors() = 0;
  // Asked before each quantity of a command: true ends the command there,
  // what was converted staying converted.
  virtual bool StopRequested() { return false; }
};

// "ファイルがオープンできません" CR LF "[" path "]".
std::string OpenErrorText(const std::string& path);

}  // namespace siconv
