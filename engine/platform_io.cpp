#include "engine/platform_io.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>

namespace siconv {
namespace {

PlatformIo& SystemIo() {
  static PlatformIo io;
  return io;
}

PlatformIo* current = nullptr;

}  // namespace

int PlatformIo::Open(const std::string& path, int flags, mode_t mode) {
  return ::open(path.c_str(), flags | O_CLOEXEC, mode);
}

ssize_t PlatformIo::Read(int fd, void* buffer, size_t size) {
  ssize_t n;
  do {
    n = ::read(fd, buffer, size);
  } while (n < 0 && errno == EINTR);
  return n;
}

ssize_t PlatformIo::Write(int fd, const void* buffer, size_t size) {
  // A short write is finished here, so that callers see all or an error.
  const char* p = static_cast<const char*>(buffer);
  size_t done = 0;
  while (done < size) {
    ssize_t n = ::write(fd, p + done, size - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return -1;
    }
    done += static_cast<size_t>(n);
  }
  return static_cast<ssize_t>(done);
}

int PlatformIo::Fsync(int fd) {
  return ::fsync(fd);
}

int PlatformIo::Close(int fd) {
  return ::close(fd);
}

int PlatformIo::Unlink(const std::string& path) {
  return ::unlink(path.c_str());
}

int PlatformIo::Rename(const std::string& from, const std::string& to, bool replace) {
  if (replace) return ::rename(from.c_str(), to.c_str());
  return ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE);
}

PlatformIo& CurrentIo() {
  return current ? *current : SystemIo();
}

ScopedPlatformIo::ScopedPlatformIo(PlatformIo& io) : previous_(current) {
  current = &io;
}

ScopedPlatformIo::~ScopedPlatformIo() {
  current = previous_;
}

int SyncFolder(const std::string& folder) {
  PlatformIo& io = CurrentIo();
  int fd = io.Open(folder.empty() ? "." : folder, O_RDONLY | O_DIRECTORY, 0);
  if (fd < 0) return errno;
  int result = io.Fsync(fd) == 0 ? 0 : errno;
  if (io.Close(fd) != 0 && result == 0) result = errno;
  return result;
}

}  // namespace siconv
