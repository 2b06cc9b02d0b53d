// The file system through the wide Win32 calls. Their GetLastError values
// are the program's IoCodes as they are.
//
// The folder lock is LockFileEx on a hidden file SICONV.LCK in the folder,
// which stays there: a lock on the folder's own handle would need a share
// mode that also keeps other programs (and FindFirstFileW) out. Windows
// releases the lock with the handle, also when the process dies; and it works
// across the network for folders on a share.
#include <windows.h>

#include <cstdint>

#include "engine/file_system.h"
#include "engine/io_code.h"
#include "engine/path_join.h"
#include "engine/win32/wide_text.h"

namespace siconv {
namespace {

// GetLastError values are the IoCodes of the same meaning.
static_assert(io_code::kFileNotFound == ERROR_FILE_NOT_FOUND &&
              io_code::kPathNotFound == ERROR_PATH_NOT_FOUND &&
              io_code::kTooManyOpenFiles == ERROR_TOO_MANY_OPEN_FILES &&
              io_code::kAccessDenied == ERROR_ACCESS_DENIED &&
              io_code::kNotReady == ERROR_NOT_READY && io_code::kOther == ERROR_GEN_FAILURE &&
              io_code::kSharingViolation == ERROR_SHARING_VIOLATION &&
              io_code::kLockViolation == ERROR_LOCK_VIOLATION &&
              io_code::kDiskFull == ERROR_DISK_FULL &&
              io_code::kAlreadyExists == ERROR_ALREADY_EXISTS &&
              io_code::kNameTooLong == ERROR_FILENAME_EXCED_RANGE);

constexpr int kInvalidName = ERROR_INVALID_NAME;
// The longest name of one folder entry, in UTF-16 units.
constexpr std::size_t kLongestName = 255;
// Attributes a replacement takes over from its original. Read-only is not
// among them: a read-only original is never replaced.
constexpr DWORD kCopiedAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                    FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

HANDLE Native(FileHandle file) {
  return reinterpret_cast<HANDLE>(file.value);
}

FileHandle Wrap(HANDLE handle) {
  return FileHandle{reinterpret_cast<std::intptr_t>(handle)};
}

int LastError() {
  DWORD error = GetLastError();
  return error == 0 ? io_code::kOther : static_cast<int>(error);
}

struct Disposition {
  DWORD access;
  DWORD share;
  DWORD creation;
  DWORD flags;
};

Disposition DispositionOf(OpenMode mode) {
  switch (mode) {
    case OpenMode::ReadExisting:
      return {GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL};
    case OpenMode::Rewrite:
      return {GENERIC_WRITE, FILE_SHARE_READ, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL};
    case OpenMode::CreateNew:
      return {GENERIC_WRITE, FILE_SHARE_READ, CREATE_NEW,
              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT};
    case OpenMode::Discard:
      break;
  }
  return {GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING, 0};
}

// Opens path without asking for its data, so that neither share modes nor a
// missing read permission stand in the way of its status.
HANDLE OpenForStatus(const std::wstring& path, Links links) {
  DWORD flags = FILE_FLAG_BACKUP_SEMANTICS;
  if (links == Links::Own) flags |= FILE_FLAG_OPEN_REPARSE_POINT;
  return CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                     flags, nullptr);
}

bool IsLinkTag(DWORD tag) {
  return tag == IO_REPARSE_TAG_SYMLINK || tag == IO_REPARSE_TAG_MOUNT_POINT;
}

FileKind KindOfAttributes(DWORD attributes) {
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? FileKind::Folder : FileKind::Regular;
}

std::wstring Child(std::wstring folder, std::wstring_view name) {
  if (!folder.empty() && folder.back() != L'\\' && folder.back() != L'/') folder += L'\\';
  return folder.append(name);
}

// The wide form of path, or the code for a path that cannot name a file.
int Widen(const std::string& path, std::wstring& wide) {
  if (!WidePath(path, wide)) return kInvalidName;
  std::size_t start = 0;
  while (start < wide.size()) {
    std::size_t end = wide.find_first_of(L"\\/", start);
    if (end == std::wstring::npos) end = wide.size();
    if (end - start > kLongestName) return ERROR_FILENAME_EXCED_RANGE;
    start = end + 1;
  }
  return 0;
}

class Win32FileSystem final : public FileSystem {
 public:
  int Open(const std::string& path, OpenMode mode, FileHandle& file) override {
    file = FileHandle{};
    std::wstring wide;
    if (mode == OpenMode::Discard)
      wide = L"NUL";
    else if (int code = Widen(path, wide))
      return code;
    Disposition d = DispositionOf(mode);
    HANDLE handle =
        CreateFileW(wide.c_str(), d.access, d.share, nullptr, d.creation, d.flags, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      int code = LastError();
      return code == ERROR_FILE_EXISTS ? io_code::kAlreadyExists : code;
    }
    file = Wrap(handle);
    return 0;
  }

  int Read(FileHandle file, void* buffer, std::size_t size, std::size_t& got) override {
    got = 0;
    DWORD read = 0;
    DWORD ask = static_cast<DWORD>(size < (1u << 30) ? size : (1u << 30));
    if (!ReadFile(Native(file), buffer, ask, &read, nullptr)) {
      // The writer of a pipe has gone: that is the end of the data.
      return GetLastError() == ERROR_BROKEN_PIPE ? 0 : LastError();
    }
    got = read;
    return 0;
  }

  int Write(FileHandle file, const void* data, std::size_t size) override {
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
      DWORD chunk = static_cast<DWORD>(size < (1u << 30) ? size : (1u << 30));
      DWORD written = 0;
      if (!WriteFile(Native(file), bytes, chunk, &written, nullptr)) return LastError();
      if (written == 0) return io_code::kDiskFull;
      bytes += written;
      size -= written;
    }
    return 0;
  }

  int Flush(FileHandle file) override {
    // Only files on a disk keep anything to make durable.
    if (GetFileType(Native(file)) != FILE_TYPE_DISK) return 0;
    return FlushFileBuffers(Native(file)) ? 0 : LastError();
  }

  int Close(FileHandle file) override { return CloseHandle(Native(file)) ? 0 : LastError(); }

  int Status(FileHandle file, FileStatus& status) override {
    status = FileStatus{};
    SetLastError(NO_ERROR);
    switch (GetFileType(Native(file))) {
      case FILE_TYPE_DISK:
        return StatusOfDiskHandle(Native(file), status);
      case FILE_TYPE_PIPE:
        status.kind = FileKind::Fifo;
        return 0;
      case FILE_TYPE_CHAR:
        status.kind = FileKind::Device;
        return 0;
      default:
        // FILE_TYPE_UNKNOWN is also the answer for a handle that is no more.
        if (GetLastError() != NO_ERROR) return LastError();
        status.kind = FileKind::Other;
        return 0;
    }
  }

  int Status(const std::string& path, Links links, FileStatus& status) override {
    status = FileStatus{};
    std::wstring wide;
    if (int code = Widen(path, wide)) return code;
    HANDLE handle = OpenForStatus(wide, links);
    if (handle == INVALID_HANDLE_VALUE) {
      DWORD error = GetLastError();
      if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return 0;
      return LastError();
    }
    int code = StatusOfDiskHandle(handle, status);
    CloseHandle(handle);
    return code;
  }

  int CopyAttributes(FileHandle file, const FileStatus& from) override {
    FILE_BASIC_INFO info{};
    info.FileAttributes = from.permissions & kCopiedAttributes;
    if (info.FileAttributes == 0) info.FileAttributes = FILE_ATTRIBUTE_NORMAL;
    return SetFileInformationByHandle(Native(file), FileBasicInfo, &info, sizeof info)
               ? 0
               : LastError();
  }

  int Replace(const std::string& from, const std::string& to) override {
    int code = Move(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    // Windows refuses to replace a file open elsewhere with "access denied";
    // tell that case apart as the sharing violation it is.
    return code == ERROR_ACCESS_DENIED && HeldOpen(to) ? io_code::kSharingViolation : code;
  }

  int Rename(const std::string& from, const std::string& to) override {
    return Move(from, to, MOVEFILE_WRITE_THROUGH);
  }

  int Remove(const std::string& path) override {
    std::wstring wide;
    if (int code = Widen(path, wide)) return code;
    if (DeleteFileW(wide.c_str())) return 0;
    int code = LastError();
    // A link to a folder is a folder entry of its own.
    DWORD attributes = GetFileAttributesW(wide.c_str());
    bool folderLink = attributes != INVALID_FILE_ATTRIBUTES &&
                      (attributes & FILE_ATTRIBUTE_DIRECTORY) &&
                      (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
    if (folderLink) return RemoveDirectoryW(wide.c_str()) ? 0 : LastError();
    return code;
  }

  int ListFolder(const std::string& folder, std::vector<FolderEntry>& entries) override {
    entries.clear();
    std::wstring wide;
    if (int code = Widen(folder, wide)) return code;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(Child(wide, L"*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) {
      // A drive root without entries has no "." either.
      return GetLastError() == ERROR_FILE_NOT_FOUND ? 0 : LastError();
    }
    int code = 0;
    do {
      std::wstring_view name = data.cFileName;
      if (name == L"." || name == L"..") continue;
      entries.push_back(EntryOf(folder, data));
    } while (FindNextFileW(find, &data));
    if (GetLastError() != ERROR_NO_MORE_FILES) code = LastError();
    FindClose(find);
    return code;
  }

  int LockFolder(const std::string& folder, FileHandle& lock) override {
    lock = FileHandle{};
    std::wstring wide;
    if (int code = Widen(folder, wide)) return code;
    // Read access is all LockFileEx needs, so a read-only SICONV.LCK locks too.
    HANDLE handle = CreateFileW(Child(wide, L"SICONV.LCK").c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      DWORD error = GetLastError();
      // Where nobody can create a file, nobody converts either: the folder
      // handle stands in for a lock.
      if (error != ERROR_ACCESS_DENIED && error != ERROR_WRITE_PROTECT) return LastError();
      handle = OpenForStatus(wide, Links::Follow);
      if (handle == INVALID_HANDLE_VALUE) return LastError();
      lock = Wrap(handle);
      return 0;
    }
    OVERLAPPED whole{};
    if (!LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &whole)) {
      int code = LastError();  // io_code::kLockViolation while another process holds it
      CloseHandle(handle);
      return code;
    }
    lock = Wrap(handle);
    return 0;
  }

  // MoveFileExW writes its folder through (MOVEFILE_WRITE_THROUGH); Windows
  // has no flush of a folder's entries beyond that.
  int SyncFolder(const std::string&) override { return 0; }

 private:
  static int StatusOfDiskHandle(HANDLE handle, FileStatus& status) {
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(handle, &info)) return LastError();
    FILE_ATTRIBUTE_TAG_INFO tag{};
    bool reparse = (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) &&
                   GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &tag, sizeof tag) &&
                   IsLinkTag(tag.ReparseTag);
    status.kind = reparse ? FileKind::Link : KindOfAttributes(info.dwFileAttributes);
    // Windows lets files be created in a folder marked read-only.
    status.readOnly =
        status.kind != FileKind::Folder && (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    status.size = (std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
    status.permissions = info.dwFileAttributes;
    status.volume = info.dwVolumeSerialNumber;
    status.index = (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
    return 0;
  }

  FolderEntry EntryOf(const std::string& folder, const WIN32_FIND_DATAW& data) {
    FolderEntry entry;
    entry.name = WideToUtf8(data.cFileName);
    entry.hidden = (data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
    const bool link =
        (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) && IsLinkTag(data.dwReserved0);
    if (!link) {
      entry.kind = KindOfAttributes(data.dwFileAttributes);
      return entry;
    }
    FileStatus target;
    Status(AddBackslash(folder) + entry.name, Links::Follow, target);
    entry.kind = target.kind;
    return entry;
  }

  static bool HeldOpen(const std::string& path) {
    std::wstring wide;
    if (!WidePath(path, wide)) return false;
    HANDLE handle =
        CreateFileW(wide.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
      CloseHandle(handle);
      return false;
    }
    return GetLastError() == ERROR_SHARING_VIOLATION;
  }

  static int Move(const std::string& from, const std::string& to, DWORD flags) {
    std::wstring wideFrom, wideTo;
    if (int code = Widen(from, wideFrom)) return code;
    if (int code = Widen(to, wideTo)) return code;
    return MoveFileExW(wideFrom.c_str(), wideTo.c_str(), flags) ? 0 : LastError();
  }
};

}  // namespace

FileSystem& PlatformFileSystem() {
  static Win32FileSystem fileSystem;
  return fileSystem;
}

}  // namespace siconv
