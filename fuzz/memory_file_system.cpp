#include "fuzz/memory_file_system.h"

#include <algorithm>
#include <cstring>

namespace siconv::fuzz {

MemoryFileSystem::MemoryFileSystem(std::string input, std::vector<std::size_t> pieces)
    : input_(std::move(input)), pieces_(std::move(pieces)) {}

int MemoryFileSystem::Open(const std::string&, OpenMode mode, FileHandle& file) {
  file.value = nextHandle_++;
  const bool writing = mode != OpenMode::ReadExisting;
  writing_[file.value] = writing;
  if (writing) {
    written_.clear();
    writeSizes_.clear();
  } else {
    offset_ = 0;
  }
  return 0;
}

std::size_t MemoryFileSystem::NextPiece(std::size_t size) {
  if (pieces_.empty()) return size;
  const std::size_t piece = pieces_[nextPiece_++ % pieces_.size()];
  return std::clamp<std::size_t>(piece, 1, size);
}

int MemoryFileSystem::Read(FileHandle file, void* buffer, std::size_t size, std::size_t& got) {
  got = 0;
  if (!writing_.contains(file.value) || writing_[file.value]) return kBadHandle;
  got = std::min(NextPiece(size), input_.size() - offset_);
  std::memcpy(buffer, input_.data() + offset_, got);
  offset_ += got;
  return 0;
}

int MemoryFileSystem::Write(FileHandle file, const void* data, std::size_t size) {
  if (!writing_.contains(file.value) || !writing_[file.value]) return kBadHandle;
  written_.append(static_cast<const char*>(data), size);
  writeSizes_.push_back(size);
  return 0;
}

int MemoryFileSystem::Close(FileHandle file) {
  return writing_.erase(file.value) == 1 ? 0 : kBadHandle;
}

int MemoryFileSystem::Status(FileHandle file, FileStatus& status) {
  if (!writing_.contains(file.value)) return kBadHandle;
  status = FileStatus{};
  status.kind = FileKind::Regular;
  status.size = input_.size();
  return 0;
}

int MemoryFileSystem::Status(const std::string&, Links, FileStatus& status) {
  status = FileStatus{};
  status.kind = FileKind::Regular;
  return 0;
}

int MemoryFileSystem::ListFolder(const std::string&, std::vector<FolderEntry>& entries) {
  entries.clear();
  return 0;
}

}  // namespace siconv::fuzz
