#include "engine/file_access.h"

#include "engine/file_system.h"
#include "engine/io_code.h"

namespace siconv {

int ReplaceableCode(const std::string& path) {
  FileStatus status;
  if (int code = CurrentFileSystem().Status(path, Links::Follow, status)) return code;
  const bool readOnly = status.kind != FileKind::Missing && status.readOnly;
  return readOnly ? io_code::kAccessDenied : 0;
}

}  // namespace siconv
