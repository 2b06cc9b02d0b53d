#include "fuzz/memory_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace siconv::fuzz {

MemoryIo::MemoryIo(std::string input, std::vector<std::size_t> pieces)
    : input_(std::move(input)), pieces_(std::move(pieces)) {}

int MemoryIo::Open(const std::string&, int flags, mode_t) {
  const int fd = ::open("/dev/null", O_RDWR | O_CLOEXEC);
  if (fd < 0) return fd;
  const bool writing = (flags & O_ACCMODE) != O_RDONLY;
  writing_[fd] = writing;
  if (writing) {
    written_.clear();
    writeSizes_.clear();
  } else {
    offset_ = 0;
  }
  return fd;
}

std::size_t MemoryIo::NextPiece(std::size_t size) {
  if (pieces_.empty()) return size;
  const std::size_t piece = pieces_[nextPiece_++ % pieces_.size()];
  return std::clamp<std::size_t>(piece, 1, size);
}

ssize_t MemoryIo::Read(int fd, void* buffer, size_t size) {
  if (!writing_.contains(fd) || writing_[fd]) {
    errno = EBADF;
    return -1;
  }
  const std::size_t n = std::min(NextPiece(size), input_.size() - offset_);
  std::memcpy(buffer, input_.data() + offset_, n);
  offset_ += n;
  return static_cast<ssize_t>(n);
}

ssize_t MemoryIo::Write(int fd, const void* buffer, size_t size) {
  if (!writing_.contains(fd) || !writing_[fd]) {
    errno = EBADF;
    return -1;
  }
  written_.append(static_cast<const char*>(buffer), size);
  writeSizes_.push_back(size);
  return static_cast<ssize_t>(size);
}

int MemoryIo::Fsync(int) {
  return 0;
}

int MemoryIo::Close(int fd) {
  writing_.erase(fd);
  return ::close(fd);
}

int MemoryIo::Unlink(const std::string&) {
  errno = EPERM;
  return -1;
}

int MemoryIo::Rename(const std::string&, const std::string&, bool) {
  errno = EPERM;
  return -1;
}

}  // namespace siconv::fuzz
