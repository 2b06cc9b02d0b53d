#include "engine/line_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <utility>

#include "engine/file_access.h"
#include "engine/io_code.h"
#include "engine/platform_io.h"

namespace siconv {
namespace {

constexpr char kEndMarker = 0x1A;
constexpr char kCr = 0x0D;
constexpr char kLf = 0x0A;

int LastIoCode(const std::string& path) {
  return IoCodeFromErrno(errno, path);
}

// rename() says ENOENT both for a vanished source and for a missing target
// folder; blame the one that is really missing.
int RenameIoCode(const std::string& from, const std::string& to) {
  int error = errno;
  bool sourceExists = ::access(from.c_str(), F_OK) == 0;
  return IoCodeFromErrno(error, error == ENOENT && sourceExists ? to : from);
}

// A folder cannot be read as a file (as the platform refuses to open one);
// only a regular file, a FIFO or a character device can be written.
int HandleTypeCode(int fd, LineFile::State state) {
  struct stat st;
  if (::fstat(fd, &st) != 0) return IoCodeFromErrno(errno, {});
  if (state == LineFile::State::Reading) {
    return S_ISDIR(st.st_mode) ? io_code::kAccessDenied : 0;
  }
  bool writable = S_ISREG(st.st_mode) || S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode);
  return writable ? 0 : io_code::kNotOpenForWriting;
}

}  // namespace

LineFile::~LineFile() {
  if (fd_ >= 0) ReleaseHandle();
}

void LineFile::Bind(std::string name) {
  if (fd_ >= 0) ReleaseHandle();
  name_ = std::move(name);
  state_ = State::Closed;
  position_ = 0;
  fill_ = 0;
  linesRead_ = 0;
}

int LineFile::OpenAs(State state, int flags) {
  if (state_ == State::Unbound) return io_code::kNotBound;
  if (fd_ >= 0) Close();
  int fd = CurrentIo().Open(name_, flags, 0666);
  if (fd < 0) return LastIoCode(name_);
  fd_ = fd;
  state_ = state;
  position_ = 0;
  fill_ = 0;
  linesRead_ = 0;
  if (int code = HandleTypeCode(fd, state)) {
    ReleaseHandle();
    return code;
  }
  return 0;
}

int LineFile::OpenRead() {
  return OpenAs(State::Reading, O_RDONLY);
}

int LineFile::OpenWrite() {
  return OpenAs(State::Writing, O_WRONLY | O_CREAT | O_TRUNC);
}

int LineFile::Refill() {
  position_ = 0;
  fill_ = 0;
  ssize_t n = CurrentIo().Read(fd_, buffer_.data(), kBufferSize);
  if (n < 0) return LastIoCode(name_);
  if (n == 0) {
    // The end stands in the buffer as a marker that is never consumed, so no
    // further read is made.
    buffer_[0] = kEndMarker;
    n = 1;
  }
  fill_ = static_cast<std::size_t>(n);
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
  if (CurrentIo().Write(fd_, buffer_.data(), count) < 0) return LastIoCode(name_);
  return 0;
}

int LineFile::ReleaseHandle() {
  state_ = State::Closed;
  int fd = std::exchange(fd_, -1);
  if (CurrentIo().Close(fd) != 0) return LastIoCode(name_);
  return 0;
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
  if (code == 0 && CurrentIo().Fsync(fd_) != 0) code = LastIoCode(name_);
  int closeCode = Close();
  return code != 0 ? code : closeCode;
}

int LineFile::Remove() {
  if (state_ == State::Unbound) return io_code::kNotBound;
  if (CurrentIo().Unlink(name_) != 0) return LastIoCode(name_);
  return 0;
}

int LineFile::MoveTo(const std::string& newName) {
  if (state_ != State::Closed) return io_code::kNotBound;
  if (CurrentIo().Rename(name_, newName, false) != 0) return RenameIoCode(name_, newName);
  name_ = newName;
  return 0;
}

int LineFile::ReplaceOnto(const std::string& target) {
  if (state_ != State::Closed) return io_code::kNotBound;
  if (IsReadOnlyFile(target)) return io_code::kAccessDenied;
  if (CurrentIo().Rename(name_, target, true) != 0) return RenameIoCode(name_, target);
  name_ = target;
  std::string folder = std::filesystem::path(target).parent_path().string();
  if (int error = SyncFolder(folder)) return IoCodeFromErrno(error, folder);
  return 0;
}

}  // namespace siconv
