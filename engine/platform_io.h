#pragma once
// The one seam between the program's file handling and the operating system.
// Every call that reads, writes or replaces data goes through CurrentIo(), so
// a test can make any single call fail with a chosen errno.
#include <sys/types.h>

#include <string>

namespace siconv {

enum class IoCall { Open, Read, Write, Fsync, Close, Unlink, Rename };

// POSIX semantics: -1 and errno on failure.
class PlatformIo {
 public:
  virtual ~PlatformIo() = default;
  virtual int Open(const std::string& path, int flags, mode_t mode);
  virtual ssize_t Read(int fd, void* buffer, size_t size);
  virtual ssize_t Write(int fd, const void* buffer, size_t size);
  virtual int Fsync(int fd);
  virtual int Close(int fd);
  virtual int Unlink(const std::string& path);
  // Replaces an existing target when replace is true; fails with EEXIST otherwise.
  virtual int Rename(const std::string& from, const std::string& to, bool replace);
};

PlatformIo& CurrentIo();

// Installs another PlatformIo for the lifetime of this object.
class ScopedPlatformIo {
 public:
  explicit ScopedPlatformIo(PlatformIo& io);
  ~ScopedPlatformIo();
  ScopedPlatformIo(const ScopedPlatformIo&) = delete;
  ScopedPlatformIo& operator=(const ScopedPlatformIo&) = delete;

 private:
  PlatformIo* previous_;
};

// Flushes a folder's entries (after a rename into it) through CurrentIo().
// Returns 0 or an errno.
int SyncFolder(const std::string& folder);

}  // namespace siconv
