#include "state/folder_entries.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <memory>

#include "engine/io_code.h"

namespace siconv {
namespace {

struct DirCloser {
  void operator()(DIR* dir) const { closedir(dir); }
};

// The entry's type after following a link; d_type saves a stat in the common case.
unsigned char EntryType(DIR* dir, const dirent& entry) {
  if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN) return entry.d_type;
  struct stat info;
  if (fstatat(dirfd(dir), entry.d_name, &info, 0) != 0) return DT_UNKNOWN;
  if (S_ISDIR(info.st_mode)) return DT_DIR;
  return S_ISREG(info.st_mode) ? DT_REG : DT_UNKNOWN;
}

[[noreturn]] void RaiseFolderError(int error, const std::string& folder) {
  throw MakeIoError(IoCodeFromErrno(error, folder));
}

}  // namespace

FolderEntries ReadFolderEntries(const std::string& folder) {
  std::unique_ptr<DIR, DirCloser> dir(opendir(folder.c_str()));
  if (!dir) RaiseFolderError(errno, folder);
  FolderEntries entries;
  for (;;) {
    errno = 0;
    const dirent* entry = readdir(dir.get());
    if (entry == nullptr) break;
    if (entry->d_name[0] == '.') continue;
    unsigned char type = EntryType(dir.get(), *entry);
    if (type == DT_DIR) entries.folders.emplace_back(entry->d_name);
    if (type == DT_REG) entries.files.emplace_back(entry->d_name);
  }
  if (errno != 0) RaiseFolderError(errno, folder);
  return entries;
}

}  // namespace siconv
