#pragma once
// IoCode: 0 for success, else the Windows code of the same meaning, one of
// the file layer's own codes or a run-time code that has a message of its
// own. The numbers are what users see in "I/O エラー (%d)"; code names them.
#include <string>

#include "engine/exceptions.h"

namespace siconv {

namespace io_code {
// Windows system error codes (ERROR_FILE_NOT_FOUND and so on).
inline constexpr int kFileNotFound = 2;
inline constexpr int kPathNotFound = 3;
inline constexpr int kTooManyOpenFiles = 4;
inline constexpr int kAccessDenied = 5;
inline constexpr int kNotReady = 21;
inline constexpr int kOther = 31;  // ERROR_GEN_FAILURE: any failure without a code of its own
inline constexpr int kSharingViolation = 32;
inline constexpr int kLockViolation = 33;
inline constexpr int kDiskFull = 112;
inline constexpr int kAlreadyExists = 183;
inline constexpr int kNameTooLong = 206;
// The file layer's own: an operation the file's state does not allow.
inline constexpr int kNotBound = 102;
inline constexpr int kNotOpen = 103;
inline constexpr int kNotOpenForReading = 104;
inline constexpr int kNotOpenForWriting = 105;  // also a target that is no file
// Run-time codes whose messages MakeIoError knows.
inline constexpr int kReadBeyondEnd = 100;
inline constexpr int kDiskWriteError = 101;
inline constexpr int kInvalidNumericInput = 106;
}  // namespace io_code

EInOutError MakeIoError(int ioCode);

// Raises MakeIoError(ioCode) for any code but 0.
void CheckIo(int ioCode);
// CheckIo with the error naming path.
void CheckIoAt(int ioCode, const std::string& path);

}  // namespace siconv
