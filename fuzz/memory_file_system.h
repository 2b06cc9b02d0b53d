#pragma once
// A FileSystem that serves one input file from memory, in pieces of chosen
// sizes (as a pipe may), and keeps what is written with the size of each
// write. Every opened name is a regular file; nothing can be replaced.
#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "engine/file_system.h"

namespace siconv::fuzz {

class MemoryFileSystem : public FileSystem {
 public:
  // pieces: the longest answer of each read in turn, cycled; empty means whole requests.
  explicit MemoryFileSystem(std::string input, std::vector<std::size_t> pieces = {});

  const std::string& Written() const { return written_; }
  const std::vector<std::size_t>& WriteSizes() const { return writeSizes_; }

  int Open(const std::string& path, OpenMode mode, FileHandle& file) override;
  int Read(FileHandle file, void* buffer, std::size_t size, std::size_t& got) override;
  int Write(FileHandle file, const void* data, std::size_t size) override;
  int Flush(FileHandle) override { return 0; }
  int Close(FileHandle file) override;
  int Status(FileHandle file, FileStatus& status) override;
  int Status(const std::string& path, Links links, FileStatus& status) override;
  int CopyAttributes(FileHandle, const FileStatus&) override { return 0; }
  int Replace(const std::string&, const std::string&) override { return kRefused; }
  int Rename(const std::string&, const std::string&) override { return kRefused; }
  int Remove(const std::string&) override { return kRefused; }
  int ListFolder(const std::string&, std::vector<FolderEntry>& entries) override;
  int LockFolder(const std::string&, FileHandle&) override { return kRefused; }
  int SyncFolder(const std::string&) override { return 0; }

 private:
  static constexpr int kRefused = 5;
  static constexpr int kBadHandle = 6;

  std::size_t NextPiece(std::size_t size);

  std::string input_;
  std::vector<std::size_t> pieces_;
  std::size_t nextPiece_ = 0;
  std::size_t offset_ = 0;
  std::intptr_t nextHandle_ = 1;
  std::map<std::intptr_t, bool> writing_;  // open handles: true for the written file
  std::string written_;
  std::vector<std::size_t> writeSizes_;
};

}  // namespace siconv::fuzz
