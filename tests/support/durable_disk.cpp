#include "tests/support/durable_disk.h"

#include <filesystem>
#include <random>
#include <set>

#include "engine/path_join.h"
#include "engine/path_separator.h"
#include "tests/support/temp_dir.h"

namespace siconv {
namespace fs = std::filesystem;

DurableDisk::DurableDisk(std::string folder) : folder_(std::move(folder)) {
  for (const auto& entry : fs::directory_iterator(folder_)) {
    if (!entry.is_regular_file()) continue;
    const std::string bytes = ReadFile(entry.path().string());
    seen_[entry.path().filename().string()] = static_cast<int>(inodes_.size());
    inodes_.push_back({bytes, bytes});
  }
  durable_ = seen_;
}

std::string DurableDisk::NameIn(const std::string& path) const {
  const std::string prefix = AddBackslash(folder_);
  if (path.compare(0, prefix.size(), prefix) != 0) return {};
  const std::string name = path.substr(prefix.size());
  for (const char c : name) {
    if (IsPathSeparator(c)) return {};
  }
  return name;
}

void DurableDisk::ApplyTo(Entries& entries, const FolderOp& op) {
  entries.erase(op.from);
  if (!op.to.empty()) entries[op.to] = op.inode;
}

void DurableDisk::Apply(const FolderOp& op) {
  ApplyTo(seen_, op);
  pending_.push_back(op);
}

void DurableDisk::Opened(const std::string& path, OpenMode mode, FileHandle file) {
  const std::string name = NameIn(path);
  if (name.empty() || (mode != OpenMode::CreateNew && mode != OpenMode::Rewrite)) return;
  const auto existing = seen_.find(name);
  if (existing != seen_.end()) {
    inodes_[static_cast<std::size_t>(existing->second)].written.clear();
    written_[file.value] = existing->second;
    return;
  }
  written_[file.value] = static_cast<int>(inodes_.size());
  Apply({{}, name, static_cast<int>(inodes_.size())});
  inodes_.emplace_back();
}

void DurableDisk::Written(FileHandle file, const void* data, std::size_t size) {
  const auto open = written_.find(file.value);
  if (open == written_.end()) return;
  inodes_[static_cast<std::size_t>(open->second)].written.append(static_cast<const char*>(data),
                                                                 size);
}

void DurableDisk::Flushed(FileHandle file) {
  const auto open = written_.find(file.value);
  if (open == written_.end()) return;
  Inode& inode = inodes_[static_cast<std::size_t>(open->second)];
  inode.durable = inode.written;
}

void DurableDisk::Closed(FileHandle file) {
  written_.erase(file.value);
}

void DurableDisk::Moved(const std::string& from, const std::string& to) {
  const auto source = seen_.find(NameIn(from));
  if (source == seen_.end()) return;
  Apply({source->first, NameIn(to), source->second});
}

void DurableDisk::Removed(const std::string& path) {
  const auto entry = seen_.find(NameIn(path));
  if (entry != seen_.end()) Apply({entry->first, {}, entry->second});
}

void DurableDisk::FolderSynced(const std::string& folder) {
  if (fs::path(folder) != fs::path(folder_)) return;
  durable_ = seen_;
  pending_.clear();
}

void DurableDisk::CutPower(CrashDisk disk, std::uint32_t seed) const {
  std::mt19937 random(seed);
  Entries entries = disk == CrashDisk::FolderOpsWithoutData ? seen_ : durable_;
  for (const FolderOp& op : pending_) {
    if (disk == CrashDisk::RandomSubset && random() % 2 == 0) ApplyTo(entries, op);
  }
  std::vector<std::string> bytes;
  for (const Inode& inode : inodes_) {
    const bool partial = disk == CrashDisk::RandomSubset && inode.written != inode.durable;
    const std::size_t kept = partial ? random() % (inode.written.size() + 2) : 0;
    bytes.push_back(!partial || kept > inode.written.size() ? inode.durable
                                                            : inode.written.substr(0, kept));
  }
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder_)) {
    if (entry.is_regular_file()) names.insert(entry.path().filename().string());
  }
  for (const std::string& name : names) {
    if (!entries.contains(name)) fs::remove(AddBackslash(folder_) + name);
  }
  for (const auto& [name, inode] : entries) {
    WriteFile(AddBackslash(folder_) + name, bytes[static_cast<std::size_t>(inode)]);
  }
}

}  // namespace siconv
