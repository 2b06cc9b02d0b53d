#pragma once
// A FileSystem for tests that wraps the one in use: it counts and records
// every call and can make calls fail with a chosen IoCode (one call, or every
// call from one on, as a full disk does) or end the process at a call, with
// no cleanup at all, as a crash or a kill would, or cut the power at a call:
// then a folder is rewritten as a power cut would leave it (DurableDisk)
// before the process ends. Enumerate the calls of an
// operation by running it once without a fault and reading Count(), then run
// it again with a fault at every call up to that count.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/file_system.h"
#include "tests/support/durable_disk.h"

namespace siconv {

// The FileSystem operations, to name the calls a test records or fails.
enum class FsCall {
  Open,
  Read,
  Write,
  Flush,
  Close,
  Status,
  CopyAttributes,
  Replace,
  Rename,
  Remove,
  ListFolder,
  LockFolder,
  SyncFolder,
};

class FaultInjectingFileSystem : public FileSystem {
 public:
  // The exit status of a process ended by CrashAt.
  static constexpr int kCrashExitCode = 77;

  struct Call {
    FsCall kind;
    std::string path;     // for calls on a handle: the path it was opened with
    std::string newPath;  // Replace and Rename: the target
  };

  explicit FaultInjectingFileSystem(FileSystem& parent = CurrentFileSystem());

  // Only calls whose path (or target) contains pathPart are counted, recorded
  // and eligible to fail; empty means every call.
  void SetPathFilter(std::string pathPart) { pathFilter_ = std::move(pathPart); }

  // The n-th (1-based) counted call from now on that also matches kind (when
  // given) and pathPart (when not empty) fails with ioCode. Once only.
  void FailNth(int n, int ioCode, std::optional<FsCall> kind = std::nullopt,
               std::string pathPart = {});
  // The n-th counted call and every one after it (that match kind and
  // pathPart, as for FailNth) fails with ioCode.
  void FailFrom(int n, int ioCode, std::optional<FsCall> kind = std::nullopt,
                std::string pathPart = {});
  // The process ends with _exit(kCrashExitCode) at the n-th counted call,
  // before the call is made. Use it in a forked child.
  void CrashAt(int n);
  // From now on keeps what is durable in folder; at the n-th counted call,
  // before it is made, the power is cut (CutPower).
  void PowerLossAt(int n, const std::string& folder, CrashDisk disk, std::uint32_t seed);
  // Rewrites the folder given to PowerLossAt as the disk comes back after a
  // power cut now, then ends the process with _exit(kCrashExitCode).
  [[noreturn]] void CutPower();

  int Count() const { return static_cast<int>(calls_.size()); }
  int Count(FsCall kind) const;
  const std::vector<Call>& Calls() const { return calls_; }
  bool FaultFired() const { return fired_; }
  // Forgets the counts, the record and any pending fault (open handles stay known).
  void Reset();

  int Open(const std::string& path, OpenMode mode, FileHandle& file) override;
  int Read(FileHandle file, void* buffer, std::size_t size, std::size_t& got) override;
  int Write(FileHandle file, const void* data, std::size_t size) override;
  int Flush(FileHandle file) override;
  int Close(FileHandle file) override;
  int Status(FileHandle file, FileStatus& status) override;
  int Status(const std::string& path, Links links, FileStatus& status) override;
  int CopyAttributes(FileHandle file, const FileStatus& from) override;
  int Replace(const std::string& from, const std::string& to) override;
  int Rename(const std::string& from, const std::string& to) override;
  int Remove(const std::string& path) override;
  int ListFolder(const std::string& folder, std::vector<FolderEntry>& entries) override;
  int LockFolder(const std::string& folder, FileHandle& lock) override;
  int SyncFolder(const std::string& folder) override;

 private:
  enum class Mode { Once, From, Crash, PowerLoss };
  struct Fault {
    Mode mode;
    int countdown;
    int ioCode;
    std::optional<FsCall> kind;
    std::string pathPart;
  };

  // Records the call if it passes the filter; the IoCode it is to fail
  // with, or 0 to let it through.
  int Enter(FsCall kind, const std::string& path, const std::string& newPath = {});
  int EnterOnHandle(FsCall kind, FileHandle file);

  FileSystem& parent_;
  std::string pathFilter_;
  std::optional<Fault> fault_;
  bool fired_ = false;
  std::vector<Call> calls_;
  std::map<std::intptr_t, std::string> handlePaths_;
  std::unique_ptr<DurableDisk> disk_;  // while a power loss is pending
  CrashDisk crashDisk_ = CrashDisk::NothingUnsynced;
  std::uint32_t seed_ = 0;
};

}  // namespace siconv
