#pragma once
// IoCode: 0 for success, else the Windows code of the same meaning or one of
// the file layer's own codes (102-105).
#include <string>

#include "engine/exceptions.h"

namespace siconv {

namespace io_code {
inline constexpr int kFileNotFound = 2;
inline constexpr int kPathNotFound = 3;
inline constexpr int kTooManyOpenFiles = 4;
inline constexpr int kAccessDenied = 5;
inline constexpr int kNotReady = 21;
inline constexpr int kSharingViolation = 32;
inline constexpr int kLockViolation = 33;
inline constexpr int kDiskFull = 112;
inline constexpr int kAlreadyExists = 183;
inline constexpr int kNameTooLong = 206;
inline constexpr int kNotBound = 102;
inline constexpr int kNotOpen = 103;
inline constexpr int kNotOpenForReading = 104;
inline constexpr int kNotOpenForWriting = 105;
inline constexpr int kOther = 31;
}  // namespace io_code

EInOutError MakeIoError(int ioCode);

// Raises MakeIoError(ioCode) for any code but 0.
void CheckIo(int ioCode);
// CheckIo with the error naming path.
void CheckIoAt(int ioCode, const std::string& path);

}  // namespace siconv
