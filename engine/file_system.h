#pragma once
// The program's one way to the file system, in its own terms. Every call
// returns an IoCode (0 on success): the operating system's error numbers are
// translated only inside the platform implementation that the build picks
// (engine/posix/ or engine/win32/). Tests put a wrapper around the
// implementation in use to fail calls or to stop the process at one.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace siconv {

// An open file, folder lock or sink. Only the platform implementation knows
// what the value is (a descriptor, a HANDLE).
struct FileHandle {
  static constexpr std::intptr_t kNone = -1;
  std::intptr_t value = kNone;
  bool IsOpen() const { return value != kNone; }
};

enum class OpenMode {
  // An existing file, for reading. Never waits for a writer (FIFO) or a device.
  ReadExisting,
  // For writing: creates the file or empties an existing one.
  Rewrite,
  // For writing a file that must not exist in any form: an existing name,
  // a link included, fails with io_code::kAlreadyExists, and no link is ever followed.
  CreateNew,
  // For writing into nothing: the path is ignored, the data are discarded.
  Discard,
};

// Device: a character device; a block device is Other.
enum class FileKind { Missing, Regular, Folder, Link, Fifo, Device, Other };

// Whether a path's last component is followed when it is a link.
enum class Links { Follow, Own };

struct FileStatus {
  FileKind kind = FileKind::Missing;
  // Nobody may write it (no write permission at all), or this process may
  // not; for a folder: no file can be created in it. The status of a handle
  // tells only the first.
  bool readOnly = false;
  std::uint64_t size = 0;
  // Permission bits, owner and group, as CopyAttributes takes them.
  std::uint32_t permissions = 0;
  std::uint32_t owner = 0;
  std::uint32_t group = 0;
  // Which file on which volume, to tell two names of one file or folder.
  std::uint64_t volume = 0;
  std::uint64_t index = 0;
};

struct FolderEntry {
  std::string name;
  FileKind kind = FileKind::Other;  // after following a link (Missing: dangling)
  // Hidden by the platform's own rule: a name beginning with "." on Linux,
  // the hidden or system attribute on Windows.
  bool hidden = false;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  virtual int Open(const std::string& path, OpenMode mode, FileHandle& file) = 0;
  // got is 0 at the end of the file.
  virtual int Read(FileHandle file, void* buffer, std::size_t size, std::size_t& got) = 0;
  // Writes everything or fails.
  virtual int Write(FileHandle file, const void* data, std::size_t size) = 0;
  // Makes what was written durable.
  virtual int Flush(FileHandle file) = 0;
  // Releases the handle (and a folder lock) even when it fails.
  virtual int Close(FileHandle file) = 0;

  virtual int Status(FileHandle file, FileStatus& status) = 0;
  // A missing entry is kind Missing with code 0, not an error.
  virtual int Status(const std::string& path, Links links, FileStatus& status) = 0;
  // Gives a file open for writing the permission bits of from, and its owner
  // and group where this process may set them.
  virtual int CopyAttributes(FileHandle file, const FileStatus& from) = 0;

  // Renames from over an existing or missing to in one step. SyncFolder then
  // makes the change durable.
  virtual int Replace(const std::string& from, const std::string& to) = 0;
  // Renames from to to; never replaces anything (io_code::kAlreadyExists).
  virtual int Rename(const std::string& from, const std::string& to) = 0;
  // Removes the entry itself: a link, never what it points to.
  virtual int Remove(const std::string& path) = 0;

  // Every entry but "." and "..", in the order the folder holds them.
  virtual int ListFolder(const std::string& folder, std::vector<FolderEntry>& entries) = 0;
  // An exclusive advisory lock on a folder, taken without waiting: io_code::kLockViolation when
  // another process holds it. Closing the handle releases it, and so does
  // the end of the process however it ends.
  virtual int LockFolder(const std::string& folder, FileHandle& lock) = 0;
  // Makes the folder's entries durable; a file system that cannot do that
  // counts as done.
  virtual int SyncFolder(const std::string& folder) = 0;
};

// The operating system's file system.
FileSystem& PlatformFileSystem();

// The file system the program uses: PlatformFileSystem() unless a test
// installed another.
FileSystem& CurrentFileSystem();

// Installs another FileSystem for the lifetime of this object.
class ScopedFileSystem {
 public:
  explicit ScopedFileSystem(FileSystem& fileSystem);
  ~ScopedFileSystem();
  ScopedFileSystem(const ScopedFileSystem&) = delete;
  ScopedFileSystem& operator=(const ScopedFileSystem&) = delete;

 private:
  FileSystem* previous_;
};

}  // namespace siconv
