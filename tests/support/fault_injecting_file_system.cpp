#include "tests/support/fault_injecting_file_system.h"

#include <unistd.h>

#include <algorithm>

#include "engine/path_separator.h"

namespace siconv {
namespace {

// Any separator matches any other, so that a filter written with "/" serves
// both platforms.
std::string WithSlashes(std::string path) {
  std::replace_if(path.begin(), path.end(), IsPathSeparator, '/');
  return path;
}

bool Contains(const std::string& text, const std::string& part) {
  return WithSlashes(text).find(WithSlashes(part)) != std::string::npos;
}

bool PathMatches(const std::string& part, const std::string& path, const std::string& newPath) {
  return part.empty() || Contains(path, part) || Contains(newPath, part);
}

}  // namespace

FaultInjectingFileSystem::FaultInjectingFileSystem(FileSystem& parent) : parent_(parent) {}

void FaultInjectingFileSystem::FailNth(int n, int ioCode, std::optional<FsCall> kind,
                                       std::string pathPart) {
  fault_ = Fault{Mode::Once, n, ioCode, kind, std::move(pathPart)};
  fired_ = false;
}

void FaultInjectingFileSystem::FailFrom(int n, int ioCode, std::optional<FsCall> kind,
                                        std::string pathPart) {
  fault_ = Fault{Mode::From, n, ioCode, kind, std::move(pathPart)};
  fired_ = false;
}

void FaultInjectingFileSystem::CrashAt(int n) {
  fault_ = Fault{Mode::Crash, n, 0, std::nullopt, {}};
  fired_ = false;
}

void FaultInjectingFileSystem::PowerLossAt(int n, const std::string& folder, CrashDisk disk,
                                           std::uint32_t seed) {
  fault_ = Fault{Mode::PowerLoss, n, 0, std::nullopt, {}};
  fired_ = false;
  disk_ = std::make_unique<DurableDisk>(folder);
  crashDisk_ = disk;
  seed_ = seed;
}

void FaultInjectingFileSystem::CutPower() {
  if (disk_) disk_->CutPower(crashDisk_, seed_);
  ::_exit(kCrashExitCode);
}

int FaultInjectingFileSystem::Count(FsCall kind) const {
  return static_cast<int>(std::count_if(calls_.begin(), calls_.end(),
                                        [kind](const Call& c) { return c.kind == kind; }));
}

void FaultInjectingFileSystem::Reset() {
  fault_.reset();
  fired_ = false;
  calls_.clear();
  disk_.reset();
}

int FaultInjectingFileSystem::Enter(FsCall kind, const std::string& path,
                                    const std::string& newPath) {
  if (!PathMatches(pathFilter_, path, newPath)) return 0;
  calls_.push_back({kind, path, newPath});
  if (!fault_ || (fault_->kind && *fault_->kind != kind) ||
      !PathMatches(fault_->pathPart, path, newPath)) {
    return 0;
  }
  if (fault_->countdown > 1) {
    --fault_->countdown;
    return 0;
  }
  if (fault_->mode == Mode::Crash) ::_exit(kCrashExitCode);
  if (fault_->mode == Mode::PowerLoss) CutPower();
  fired_ = true;
  const int code = fault_->ioCode;
  if (fault_->mode == Mode::Once) fault_.reset();
  return code;
}

int FaultInjectingFileSystem::EnterOnHandle(FsCall kind, FileHandle file) {
  auto it = handlePaths_.find(file.value);
  return Enter(kind, it == handlePaths_.end() ? std::string() : it->second);
}

int FaultInjectingFileSystem::Open(const std::string& path, OpenMode mode, FileHandle& file) {
  if (int code = Enter(FsCall::Open, path)) return code;
  const int code = parent_.Open(path, mode, file);
  if (code == 0) handlePaths_[file.value] = path;
  if (code == 0 && disk_) disk_->Opened(path, mode, file);
  return code;
}

int FaultInjectingFileSystem::Read(FileHandle file, void* buffer, std::size_t size,
                                   std::size_t& got) {
  got = 0;
  if (int code = EnterOnHandle(FsCall::Read, file)) return code;
  return parent_.Read(file, buffer, size, got);
}

int FaultInjectingFileSystem::Write(FileHandle file, const void* data, std::size_t size) {
  if (int code = EnterOnHandle(FsCall::Write, file)) return code;
  const int code = parent_.Write(file, data, size);
  if (code == 0 && disk_) disk_->Written(file, data, size);
  return code;
}

int FaultInjectingFileSystem::Flush(FileHandle file) {
  if (int code = EnterOnHandle(FsCall::Flush, file)) return code;
  const int code = parent_.Flush(file);
  if (code == 0 && disk_) disk_->Flushed(file);
  return code;
}

int FaultInjectingFileSystem::Close(FileHandle file) {
  // As the interface promises: the handle is released even when the call fails.
  const int code = EnterOnHandle(FsCall::Close, file);
  handlePaths_.erase(file.value);
  if (disk_) disk_->Closed(file);
  const int result = parent_.Close(file);
  return code != 0 ? code : result;
}

int FaultInjectingFileSystem::Status(FileHandle file, FileStatus& status) {
  if (int code = EnterOnHandle(FsCall::Status, file)) return code;
  return parent_.Status(file, status);
}

int FaultInjectingFileSystem::Status(const std::string& path, Links links, FileStatus& status) {
  if (int code = Enter(FsCall::Status, path)) return code;
  return parent_.Status(path, links, status);
}

int FaultInjectingFileSystem::CopyAttributes(FileHandle file, const FileStatus& from) {
  if (int code = EnterOnHandle(FsCall::CopyAttributes, file)) return code;
  return parent_.CopyAttributes(file, from);
}

int FaultInjectingFileSystem::Replace(const std::string& from, const std::string& to) {
  if (int code = Enter(FsCall::Replace, from, to)) return code;
  const int code = parent_.Replace(from, to);
  if (code == 0 && disk_) disk_->Moved(from, to);
  return code;
}

int FaultInjectingFileSystem::Rename(const std::string& from, const std::string& to) {
  if (int code = Enter(FsCall::Rename, from, to)) return code;
  const int code = parent_.Rename(from, to);
  if (code == 0 && disk_) disk_->Moved(from, to);
  return code;
}

int FaultInjectingFileSystem::Remove(const std::string& path) {
  if (int code = Enter(FsCall::Remove, path)) return code;
  const int code = parent_.Remove(path);
  if (code == 0 && disk_) disk_->Removed(path);
  return code;
}

int FaultInjectingFileSystem::ListFolder(const std::string& folder,
                                         std::vector<FolderEntry>& entries) {
  if (int code = Enter(FsCall::ListFolder, folder)) return code;
  return parent_.ListFolder(folder, entries);
}

int FaultInjectingFileSystem::LockFolder(const std::string& folder, FileHandle& lock) {
  if (int code = Enter(FsCall::LockFolder, folder)) return code;
  const int code = parent_.LockFolder(folder, lock);
  if (code == 0) handlePaths_[lock.value] = folder;
  return code;
}

int FaultInjectingFileSystem::SyncFolder(const std::string& folder) {
  if (int code = Enter(FsCall::SyncFolder, folder)) return code;
  const int code = parent_.SyncFolder(folder);
  if (code == 0 && disk_) disk_->FolderSynced(folder);
  return code;
}

}  // namespace siconv
