#include "engine/line_file.h"

#include <algorithm>
#include <utility>

#include "engine/file_system.h"
#include "engine/io_code.h"

namespace siconv {
namespace {

constexpr char kEndMarker = 0x1A;
constexpr char kCr = 0x0D;
constexpr char kLf = 0x0A;

// A folder cannot be read as a file (as the platform refuses to open one);
// only a regular file, a FIFO or a device can be written.
int HandleTypeCode(FileHandle file, LineFile::State state) {
  FileStatus status;
  if (int code = CurrentFileSystem().Status(file, status)) return code;
  if (state == LineFile::State::Reading) {
    return status.kind == FileKind::Folder ? io_code::kAccessDenied : 0;
  }
  const bool writable = status.kind == FileKind::Regular || status.kind == FileKind::Fifo ||
                        status.kind == FileKind::Device;
  return writable ? 0 : io_code::kNotOpenForWriting;
}

}  // namespace

LineFile::~LineFile() {
  if (file_.IsOpen()) ReleaseHandle();
}

void LineFile::Bind(std::string name) {
  if (file_.IsOpen()) ReleaseHandle();
  name_ = std::move(name);
  state_ = State::Closed;
  position_ = 0;
  fill_ = 0;
  linesRead_ = 0;
}

int LineFile::OpenAs(State state, OpenMode mode) {
  if (state_ == State::Unbound) return io_code::kNotBound;
  if (file_.IsOpen()) Close();
  FileHandle file;
  if (int code = CurrentFileSystem().Open(name_, mode, file)) return code;
  file_ = file;
  state_ = state;
  position_ = 0;
  fill_ = 0;
  linesRead_ = 0;
  if (int code = HandleTypeCode(file, state)) {
    ReleaseHandle();
    return code;
  }
  return 0;
}

int LineFile::OpenRead() {
  return OpenAs(State::Reading, OpenMode::ReadExisting);
}

int LineFile::OpenWrite(OpenMode mode) {
  return OpenAs(State::Writing, mode);
}

int LineFile::Refill() {
  position_ = 0;
  fill_ = 0;
  std::size_t n = 0;
  if (int code = CurrentFileSystem().Read(file_, buffer_.data(), kBufferSize, n)) return code;
  if (n == 0) {
    // The end stands in the buffer as a marker that is never consumed, so no
    // further read is made.
    buffer_[0] = kEndMarker;
    n = 1;
  }
  fill_ = n;
  return 0;
}

int LineFile::AtEnd(bool& atEnd) {
  atEnd = true;
  if (state_ != State::Reading) return io_code::kNotOpenForReading;
  if (position_ == fill_) {
    if (int code = Refill()) return code;
  }
  atEnd = buffer_[position_] == kEndMarker;
  return 0;
}

int LineFile::ReadLine(std::string& text) {
  text.clear();
  if (state_ != State::Reading) return io_code::kNotOpenForReading;
  for (;;) {
    if (position_ == fill_) {
      if (int code = Refill()) return code;
    }
    auto begin = buffer_.begin() + static_cast<std::ptrdiff_t>(position_);
    auto end = buffer_.begin() + static_cast<std::ptrdiff_t>(fill_);
    auto stop = std::find_if(begin, end, [](char c) { return c == kCr || c == kEndMarker; });
    text.append(begin, stop);
    position_ = static_cast<std::size_t>(stop - buffer_.begin());
    if (stop == end) continue;
    if (*stop == kEndMarker) {
      // An empty text in front of the marker is a read past the end, not a line.
      if (!text.empty()) ++linesRead_;
      return 0;
    }
    break;
  }
  ++position_;  // the CR
  ++linesRead_;
  if (position_ == fill_) {
    if (int code = Refill()) return code;
  }
  if (buffer_[position_] == kLf) ++position_;
  return 0;
}

int LineFile::WriteLine(std::string_view text) {
  if (state_ != State::Writing) return io_code::kNotOpenForWriting;
  constexpr char kLineEnd[] = {kCr, kLf};
  for (std::string_view part : {text, std::string_view(kLineEnd, 2)}) {
    while (!part.empty()) {
      std::size_t n = std::min(part.size(), kBufferSize - position_);
      std::copy_n(part.begin(), n, buffer_.begin() + static_cast<std::ptrdiff_t>(position_));
      position_ += n;
      part.remove_prefix(n);
      if (position_ < kBufferSize) continue;
      position_ = 0;
      if (int code = FlushBlock(kBufferSize)) return code;
    }
  }
  return 0;
}

int LineFile::FlushBlock(std::size_t count) {
  if (count == 0) return 0;
  return CurrentFileSystem().Write(file_, buffer_.data(), count);
}

int LineFile::ReleaseHandle() {
  state_ = State::Closed;
  return CurrentFileSystem().Close(std::exchange(file_, FileHandle{}));
}

int LineFile::Close() {
  if (state_ == State::Reading) return ReleaseHandle();
  if (state_ != State::Writing) return io_code::kNotOpen;
  // The handle is released even when the last write fails, so nothing leaks.
  int code = FlushBlock(std::exchange(position_, 0));
  int closeCode = ReleaseHandle();
  return code != 0 ? code : closeCode;
}

int LineFile::CloseSynced() {
  if (state_ != State::Writing) return Close();
  int code = FlushBlock(std::exchange(position_, 0));
  if (code == 0) code = CurrentFileSystem().Flush(file_);
  int closeCode = Close();
  return code != 0 ? code : closeCode;
}

int LineFile::HandleStatus(FileStatus& status) const {
  if (!file_.IsOpen()) return io_code::kNotOpen;
  return CurrentFileSystem().Status(file_, status);
}

int LineFile::CopyAttributes(const FileStatus& from) {
  if (state_ != State::Writing) return io_code::kNotOpenForWriting;
  return CurrentFileSystem().CopyAttributes(file_, from);
}

int LineFile::Remove() {
  if (state_ == State::Unbound) return io_code::kNotBound;
  return CurrentFileSystem().Remove(name_);
}

int LineFile::MoveTo(const std::string& newName) {
  if (state_ != State::Closed) return io_code::kNotBound;
  if (int code = CurrentFileSystem().Rename(name_, newName)) return code;
  name_ = newName;
  return 0;
}

}  // namespace siconv
