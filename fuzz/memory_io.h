#pragma once
// A PlatformIo that serves one input file from memory, in pieces of chosen
// sizes (as a pipe may), and keeps what is written with the size of each
// write. Handles are real ones on /dev/null, so that the file layer's fstat
// checks pass.
#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "engine/platform_io.h"

namespace siconv::fuzz {

class MemoryIo : public PlatformIo {
 public:
  // pieces: the longest answer of each read in turn, cycled; empty means whole requests.
  explicit MemoryIo(std::string input, std::vector<std::size_t> pieces = {});

  const std::string& Written() const { return written_; }
  const std::vector<std::size_t>& WriteSizes() const { return writeSizes_; }

  int Open(const std::string& path, int flags, mode_t mode) override;
  ssize_t Read(int fd, void* buffer, size_t size) override;
  ssize_t Write(int fd, const void* buffer, size_t size) override;
  int Fsync(int fd) override;
  int Close(int fd) override;
  int Unlink(const std::string& path) override;
  int Rename(const std::string& from, const std::string& to, bool replace) override;

 private:
  std::size_t NextPiece(std::size_t size);

  std::string input_;
  std::vector<std::size_t> pieces_;
  std::size_t nextPiece_ = 0;
  std::size_t offset_ = 0;
  std::map<int, bool> writing_;  // open handles: true for the written file
  std::string written_;
  std::vector<std::size_t> writeSizes_;
};

}  // namespace siconv::fuzz
