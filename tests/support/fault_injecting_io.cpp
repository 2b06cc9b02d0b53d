#include "tests/support/fault_injecting_io.h"

#include <algorithm>
#include <cerrno>

namespace siconv {
namespace {

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

bool PathMatches(const std::string& part, const std::string& path, const std::string& newPath) {
  return part.empty() || Contains(path, part) || Contains(newPath, part);
}

}  // namespace

void FaultInjectingIo::FailNth(int n, int error, std::optional<IoCall> kind, std::string pathPart) {
  fault_ = Fault{n, error, kind, std::move(pathPart)};
  fired_ = false;
}

int FaultInjectingIo::Count(IoCall kind) const {
  return static_cast<int>(std::count_if(calls_.begin(), calls_.end(),
                                        [kind](const Call& c) { return c.kind == kind; }));
}

void FaultInjectingIo::Reset() {
  fault_.reset();
  fired_ = false;
  calls_.clear();
}

bool FaultInjectingIo::Enter(IoCall kind, const std::string& path, const std::string& newPath) {
  if (!PathMatches(pathFilter_, path, newPath)) return false;
  calls_.push_back({kind, path, newPath});
  if (!fault_ || (fault_->kind && *fault_->kind != kind) ||
      !PathMatches(fault_->pathPart, path, newPath) || --fault_->countdown > 0) {
    return false;
  }
  errno = fault_->error;
  fault_.reset();
  fired_ = true;
  return true;
}

std::string FaultInjectingIo::PathOf(int fd) const {
  auto it = fdPaths_.find(fd);
  return it == fdPaths_.end() ? std::string() : it->second;
}

int FaultInjectingIo::Open(const std::string& path, int flags, mode_t mode) {
  if (Enter(IoCall::Open, path)) return -1;
  int fd = PlatformIo::Open(path, flags, mode);
  if (fd >= 0) fdPaths_[fd] = path;
  return fd;
}

ssize_t FaultInjectingIo::Read(int fd, void* buffer, size_t size) {
  if (Enter(IoCall::Read, PathOf(fd))) return -1;
  return PlatformIo::Read(fd, buffer, size);
}

ssize_t FaultInjectingIo::Write(int fd, const void* buffer, size_t size) {
  if (Enter(IoCall::Write, PathOf(fd))) return -1;
  return PlatformIo::Write(fd, buffer, size);
}

int FaultInjectingIo::Fsync(int fd) {
  if (Enter(IoCall::Fsync, PathOf(fd))) return -1;
  return PlatformIo::Fsync(fd);
}

int FaultInjectingIo::Close(int fd) {
  // Like Linux close(): the descriptor is released even when the call fails.
  bool fail = Enter(IoCall::Close, PathOf(fd));
  int error = errno;
  fdPaths_.erase(fd);
  int result = PlatformIo::Close(fd);
  if (!fail) return result;
  errno = error;
  return -1;
}

int FaultInjectingIo::Unlink(const std::string& path) {
  if (Enter(IoCall::Unlink, path)) return -1;
  return PlatformIo::Unlink(path);
}

int FaultInjectingIo::Rename(const std::string& from, const std::string& to, bool replace) {
  if (Enter(IoCall::Rename, from, to)) return -1;
  return PlatformIo::Rename(from, to, replace);
}

}  // namespace siconv
