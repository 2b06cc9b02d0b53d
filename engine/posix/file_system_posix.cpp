// The file-system interface over POSIX calls. Only this file sees errno; it
// leaves as an IoCode.
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

#include "engine/file_system.h"
#include "engine/io_code.h"
#include "engine/posix/errno_code.h"
#include "engine/posix/rename_by_link.h"

namespace siconv {
namespace {

int Fd(FileHandle file) {
  return static_cast<int>(file.value);
}

std::string ParentFolder(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// A missing file in an existing folder is "file not found"; anything else on
// the way there is "path not found", as the Windows codes tell them apart.
int MissingEntryCode(const std::string& path) {
  struct stat st;
  const bool folderExists = ::stat(ParentFolder(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
  return folderExists ? io_code::kFileNotFound : io_code::kPathNotFound;
}

int LastCode(const std::string& path) {
  return IoCodeFromErrno(errno, path);
}

// rename() says ENOENT both for a vanished source and for a missing target
// folder; blame the one that is really missing.
int RenameCode(const std::string& from, const std::string& to) {
  const int error = errno;
  const bool sourceExists = ::access(from.c_str(), F_OK) == 0;
  return IoCodeFromErrno(error, error == ENOENT && sourceExists ? to : from);
}

FileKind KindOf(mode_t mode) {
  if (S_ISREG(mode)) return FileKind::Regular;
  if (S_ISDIR(mode)) return FileKind::Folder;
  if (S_ISLNK(mode)) return FileKind::Link;
  if (S_ISFIFO(mode)) return FileKind::Fifo;
  if (S_ISCHR(mode)) return FileKind::Device;
  return FileKind::Other;
}

FileStatus StatusFrom(const struct stat& st) {
  FileStatus status;
  status.kind = KindOf(st.st_mode);
  status.readOnly = (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
  status.size = static_cast<std::uint64_t>(st.st_size);
  status.permissions = st.st_mode & 07777;
  status.owner = st.st_uid;
  status.group = st.st_gid;
  status.volume = st.st_dev;
  status.index = st.st_ino;
  return status;
}

// The superuser passes every permission check, so a file without any write
// bit counts as read-only whatever access() says; access() also reports a
// read-only mount.
bool ProcessMayNotWrite(const std::string& path, FileKind kind) {
  const int wanted = kind == FileKind::Folder ? W_OK | X_OK : W_OK;
  return ::access(path.c_str(), wanted) != 0;
}

int OpenFlags(OpenMode mode) {
  // O_NONBLOCK: a FIFO or a device must never hold the program waiting.
  switch (mode) {
    case OpenMode::ReadExisting:
      return O_RDONLY | O_NONBLOCK;
    case OpenMode::Rewrite:
      return O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK;
    case OpenMode::CreateNew:
      return O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK;
    case OpenMode::Discard:
      return O_WRONLY;
  }
  return O_RDONLY;
}

// The kind of a listed entry after following a link; d_type saves a stat in
// the common case.
void ClassifyEntry(int folderFd, const dirent& entry, FolderEntry& out) {
  struct stat st;
  if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN) {
    out.kind = entry.d_type == DT_REG    ? FileKind::Regular
               : entry.d_type == DT_DIR  ? FileKind::Folder
               : entry.d_type == DT_FIFO ? FileKind::Fifo
               : entry.d_type == DT_CHR  ? FileKind::Device
                                         : FileKind::Other;
    return;
  }
  if (::fstatat(folderFd, entry.d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) return;
  if (!S_ISLNK(st.st_mode)) {
    out.kind = KindOf(st.st_mode);
    return;
  }
  out.kind =
      ::fstatat(folderFd, entry.d_name, &st, 0) == 0 ? KindOf(st.st_mode) : FileKind::Missing;
}

struct DirCloser {
  void operator()(DIR* dir) const { ::closedir(dir); }
};

int OpenFolder(const std::string& folder, int& fd) {
  fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  return fd < 0 ? LastCode(folder) : 0;
}

class PosixFileSystem final : public FileSystem {
 public:
  int Open(const std::string& path, OpenMode mode, FileHandle& file) override {
    const std::string& name = mode == OpenMode::Discard ? kNullDevice : path;
    const int fd = ::open(name.c_str(), OpenFlags(mode) | O_CLOEXEC, 0666);
    if (fd < 0) return LastCode(name);
    file.value = fd;
    return 0;
  }

  int Read(FileHandle file, void* buffer, std::size_t size, std::size_t& got) override {
    ssize_t n;
    do {
      n = ::read(Fd(file), buffer, size);
    } while (n < 0 && errno == EINTR);
    got = n < 0 ? 0 : static_cast<std::size_t>(n);
    return n < 0 ? LastCode({}) : 0;
  }

  int Write(FileHandle file, const void* data, std::size_t size) override {
    // A short write is finished here, so that callers see all or an error.
    const char* p = static_cast<const char*>(data);
    std::size_t done = 0;
    while (done < size) {
      const ssize_t n = ::write(Fd(file), p + done, size - done);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) return LastCode({});
      done += static_cast<std::size_t>(n);
    }
    return 0;
  }

  int Flush(FileHandle file) override { return ::fsync(Fd(file)) == 0 ? 0 : LastCode({}); }

  int Close(FileHandle file) override { return ::close(Fd(file)) == 0 ? 0 : LastCode({}); }

  int Status(FileHandle file, FileStatus& status) override {
    struct stat st;
    if (::fstat(Fd(file), &st) != 0) return LastCode({});
    status = StatusFrom(st);
    return 0;
  }

  int Status(const std::string& path, Links links, FileStatus& status) override {
    struct stat st;
    const int result =
        links == Links::Follow ? ::stat(path.c_str(), &st) : ::lstat(path.c_str(), &st);
    if (result != 0) {
      status = FileStatus{};
      return errno == ENOENT || errno == ENOTDIR ? 0 : LastCode(path);
    }
    status = StatusFrom(st);
    if (status.kind != FileKind::Link && !status.readOnly) {
      status.readOnly = ProcessMayNotWrite(path, status.kind);
    }
    return 0;
  }

  int CopyAttributes(FileHandle file, const FileStatus& from) override {
    // Owner first: a change of owner may clear the set-id bits. Only the
    // superuser may give a file away, but a user may set one of his groups.
    if (::fchown(Fd(file), from.owner, from.group) != 0) {
      (void)::fchown(Fd(file), static_cast<uid_t>(-1), from.group);
    }
    return ::fchmod(Fd(file), from.permissions & 07777) == 0 ? 0 : LastCode({});
  }

  int Replace(const std::string& from, const std::string& to) override {
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : RenameCode(from, to);
  }

  int Rename(const std::string& from, const std::string& to) override {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS) return RenameCode(from, to);
    return RenameByLink(from, to);
  }

  int Remove(const std::string& path) override {
    return ::unlink(path.c_str()) == 0 ? 0 : LastCode(path);
  }

  int ListFolder(const std::string& folder, std::vector<FolderEntry>& entries) override {
    entries.clear();
    std::unique_ptr<DIR, DirCloser> dir(::opendir(folder.c_str()));
    if (!dir) return LastCode(folder);
    for (;;) {
      errno = 0;
      const dirent* entry = ::readdir(dir.get());
      if (entry == nullptr) break;
      const std::string name = entry->d_name;
      if (name == "." || name == "..") continue;
      FolderEntry& out = entries.emplace_back();
      out.name = name;
      out.hidden = name[0] == '.';
      ClassifyEntry(::dirfd(dir.get()), *entry, out);
    }
    return errno == 0 ? 0 : LastCode(folder);
  }

  int LockFolder(const std::string& folder, FileHandle& lock) override {
    int fd;
    if (int code = OpenFolder(folder, fd)) return code;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const int code = errno == EWOULDBLOCK ? io_code::kLockViolation : LastCode(folder);
      ::close(fd);
      return code;
    }
    lock.value = fd;
    return 0;
  }

  int SyncFolder(const std::string& folder) override {
    int fd;
    if (int code = OpenFolder(folder.empty() ? "." : folder, fd)) return code;
    int code = 0;
    if (::fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP) code = LastCode(folder);
    if (::close(fd) != 0 && code == 0) code = LastCode(folder);
    return code;
  }

 private:
  const std::string kNullDevice = "/dev/null";
};

}  // namespace

int IoCodeFromErrno(int error, const std::string& path) {
  switch (error) {
    case ENOENT:
      return MissingEntryCode(path);
    case ENOTDIR:
      return io_code::kPathNotFound;
    case EMFILE:
    case ENFILE:
      return io_code::kTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      return io_code::kAccessDenied;
    case EBUSY:
    case ETXTBSY:
      return io_code::kSharingViolation;
    case ENXIO:
    case ENODEV:
    case ENOMEDIUM:
      return io_code::kNotReady;
    case ENOSPC:
    case EDQUOT:
      return io_code::kDiskFull;
    case EEXIST:
      return io_code::kAlreadyExists;
    case ENAMETOOLONG:
      return io_code::kNameTooLong;
    default:
      return io_code::kOther;
  }
}

int RenameByLink(const std::string& from, const std::string& to) {
  if (::link(from.c_str(), to.c_str()) != 0) return RenameCode(from, to);
  return ::unlink(from.c_str()) == 0 ? 0 : LastCode(from);
}

FileSystem& PlatformFileSystem() {
  static PosixFileSystem fileSystem;
  return fileSystem;
}

}  // namespace siconv
