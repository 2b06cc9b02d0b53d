#include "state/folder_hold.h"

#include "engine/format_text.h"
#include "engine/io_code.h"
#include "state/folder_journal.h"

namespace siconv {
namespace {

Exception FolderInUseError(const std::string& dataFolder) {
  return Exception(FormatText("%s は他のプログラムが使用中です", {dataFolder}));
}

}  // namespace

FolderHold::FolderHold(const std::string& dataFolder) {
  FileSystem& fs = CurrentFileSystem();
  const int code = fs.LockFolder(dataFolder, lock_);
  if (code == io_code::kLockViolation) throw FolderInUseError(dataFolder);
  CheckIoAt(code, dataFolder);
  try {
    RecoverFolder(dataFolder);
  } catch (...) {
    fs.Close(lock_);
    throw;
  }
}

FolderHold::~FolderHold() {
  CurrentFileSystem().Close(lock_);
}

}  // namespace siconv
