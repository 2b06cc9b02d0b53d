#pragma once
// What error reports need without a window: the report text, the report's
// caption, and the interface through which a user interface shows them.
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/exceptions.h"

namespace siconv {

// The message with "." appended when its last character (a double-byte or
// multi-byte character taken whole) compares above "." byte by byte.
std::string ReportExceptionText(std::string_view message);

// The file or folder an error concerns, with ":line" when a line is known;
// empty when the error names no place or its message names it already.
std::string ExceptionPlace(const Exception& e);

// The window's report: the message under the period rule, and the place of
// the error on a second line when there is one.
std::string ExceptionReportText(const Exception& e);

// The executable's file name (after the last path separator of the platform)
// cut before its first ".", every character after the first in lower case:
// "/usr/bin/siconv" gives "Siconv", "C:\Tools\SICONV.EXE" on Windows too.
std::string ApplicationTitle(std::string_view executablePath);

namespace message_dialog {
inline constexpr int kKindError = 1;
// Button bits 0..10: Yes, No, OK, Cancel, Abort, Retry, Ignore, All, NoToAll,
// YesToAll, Help.
inline constexpr std::uint16_t kAbort = 0x0010;
inline constexpr int kResultAbort = 3;
inline constexpr int kResultClosed = 2;
}  // namespace message_dialog

// How the engine and state show errors; the window and the CLI implement it.
class ErrorUi {
 public:
  virtual ~ErrorUi() = default;
  virtual int RunMessageDialog(const std::string& text, int kind, std::uint16_t buttons,
                               int helpContext) = 0;
  virtual void ReportException(const Exception& e) = 0;
};

}  // namespace siconv
