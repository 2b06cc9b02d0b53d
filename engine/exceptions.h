#pragma once
// The program's exception family. Messages are UTF-8 and are what the user sees.
#include <stdexcept>
#include <string>

namespace siconv {

class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }

  // Where in a data file the failure happened, for reports that can name it
  // (the command-line tool). Empty file and line 0 when unknown.
  const std::string& PlaceFile() const { return placeFile_; }
  long PlaceLine() const { return placeLine_; }
  void SetPlace(std::string file, long line) {
    placeFile_ = std::move(file);
    placeLine_ = line;
  }

 private:
  std::string placeFile_;
  long placeLine_ = 0;
};

// A field that is not a number, or a format text that does not fit its argument.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// A value beyond the 32-bit float range (or the 32-bit integer range when rounded).
class EOverflow : public Exception {
 public:
  EOverflow() : Exception("浮動小数点数のオーバーフロー") {}
};

// A failed file operation, with the code that caused it.
class EInOutError : public Exception {
 public:
  EInOutError(const std::string& message, int ioCode) : Exception(message), ioCode_(ioCode) {}
  int IoCode() const { return ioCode_; }

 private:
  int ioCode_;
};

}  // namespace siconv
