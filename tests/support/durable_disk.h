#pragma once
// What a power cut would leave of one folder: beside what a program sees, the
// part of it that is durable. A file's bytes are durable as of its last
// Flush, the folder's entries (creates, renames, removals) as of its last
// SyncFolder. The disk that comes back is the durable state plus some of
// what was not durable yet, as a crash-state explorer would pick it.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "engine/file_system.h"

namespace siconv {

// Which of the not yet durable changes survive the power cut.
enum class CrashDisk {
  // None: the durable state alone.
  NothingUnsynced,
  // Every folder operation, but no unflushed file data: a file renamed into
  // place comes back as of its last Flush (empty when never flushed), as on
  // XFS or on ext4 without its rename heuristics.
  FolderOpsWithoutData,
  // A seeded random subset of the folder operations, applied in order, and
  // per file its durable bytes, its written bytes or a part of them.
  RandomSubset,
};

class DurableDisk {
 public:
  // Starts from the folder's files as they are, all of them durable.
  explicit DurableDisk(std::string folder);

  void Opened(const std::string& path, OpenMode mode, FileHandle file);
  void Written(FileHandle file, const void* data, std::size_t size);
  void Flushed(FileHandle file);
  void Closed(FileHandle file);
  // A rename, replacing or not.
  void Moved(const std::string& from, const std::string& to);
  void Removed(const std::string& path);
  void FolderSynced(const std::string& folder);

  // Rewrites the folder, by its own means and not through the seam, as the
  // disk would come back after a power cut now.
  void CutPower(CrashDisk disk, std::uint32_t seed) const;

 private:
  struct Inode {
    std::string durable;
    std::string written;
  };
  // An entry change: from loses its entry, to (when not empty) names inode.
  struct FolderOp {
    std::string from;
    std::string to;
    int inode = 0;
  };
  using Entries = std::map<std::string, int>;  // name to inode

  // The name of a file of the folder, empty for any other path.
  std::string NameIn(const std::string& path) const;
  void Apply(const FolderOp& op);
  static void ApplyTo(Entries& entries, const FolderOp& op);

  std::string folder_;
  std::vector<Inode> inodes_;
  Entries seen_;     // what the program sees
  Entries durable_;  // as of the last SyncFolder
  std::vector<FolderOp> pending_;
  std::map<std::intptr_t, int> written_;  // handles open for writing, to inodes
};

}  // namespace siconv
