#pragma once
// A PlatformIo for tests: counts and records every call, and can make one
// chosen call fail with a chosen errno. Enumerate the call sites of an
// operation by running it once without a fault and reading Count(), then run
// it again with FailNth(i, ...) for every i up to that count.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/platform_io.h"

namespace siconv {

class FaultInjectingIo : public PlatformIo {
 public:
  struct Call {
    IoCall kind;
    std::string path;     // for Read, Write, Fsync and Close: the path given to Open
    std::string newPath;  // Rename only: the target
  };

  // Only calls whose path (or rename target) contains pathPart are counted,
  // recorded and eligible to fail; empty means every call.
  void SetPathFilter(std::string pathPart) { pathFilter_ = std::move(pathPart); }

  // The n-th (1-based) counted call from now on that also matches kind (when
  // given) and pathPart (when not empty) fails with error. Once only.
  void FailNth(int n, int error, std::optional<IoCall> kind = std::nullopt,
               std::string pathPart = {});

  int Count() const { return static_cast<int>(calls_.size()); }
  int Count(IoCall kind) const;
  const std::vector<Call>& Calls() const { return calls_; }
  bool FaultFired() const { return fired_; }
  // Forgets the counts, the record and any pending fault (open fds stay known).
  void Reset();

  int Open(const std::string& path, int flags, mode_t mode) override;
  ssize_t Read(int fd, void* buffer, size_t size) override;
  ssize_t Write(int fd, const void* buffer, size_t size) override;
  int Fsync(int fd) override;
  int Close(int fd) override;
  int Unlink(const std::string& path) override;
  int Rename(const std::string& from, const std::string& to, bool replace) override;

 private:
  struct Fault {
    int countdown;
    int error;
    std::optional<IoCall> kind;
    std::string pathPart;
  };

  // Records the call if it passes the filter; true when it is to fail (errno set).
  bool Enter(IoCall kind, const std::string& path, const std::string& newPath = {});
  std::string PathOf(int fd) const;

  std::string pathFilter_;
  std::optional<Fault> fault_;
  bool fired_ = false;
  std::vector<Call> calls_;
  std::map<int, std::string> fdPaths_;
};

}  // namespace siconv
