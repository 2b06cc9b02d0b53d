#include "engine/data_file_checks.h"

#include "engine/exceptions.h"
#include "engine/file_access.h"
#include "engine/format_text.h"
#include "engine/io_code.h"

namespace siconv {
namespace {

// The status that a look at an open file gave, if it is a regular file's.
FileStatus RegularOrRaise(int code, const FileStatus& status, const std::string& path) {
  CheckIo(code);
  if (status.kind != FileKind::Regular) {
    throw Exception(FormatText("%s は通常のファイルではありません", {path}));
  }
  return status;
}

[[noreturn]] void RaiseBadLine(const char* message, const std::string& fileName, long lineNumber) {
  throw Exception(FormatText(message, {fileName, static_cast<std::int32_t>(lineNumber)}));
}

}  // namespace

FileStatus RequireRegularFile(const LineFile& file) {
  FileStatus status;
  const int code = file.HandleStatus(status);
  return RegularOrRaise(code, status, file.Name());
}

FileStatus RequireRegularFile(FileHandle file, const std::string& path) {
  FileStatus status;
  const int code = CurrentFileSystem().Status(file, status);
  return RegularOrRaise(code, status, path);
}

void RequireReplaceable(std::initializer_list<std::string> paths) {
  for (const std::string& path : paths) {
    const int code = ReplaceableCode(path);
    if (code == io_code::kAccessDenied) {
      throw EInOutError(FormatText("%s に書き込めません", {path}), code);
    }
    CheckIoAt(code, path);
  }
}

void KeepAttributes(LineFile& output, const FileStatus& original) {
  CheckIo(output.CopyAttributes(original));
}

void RequireTextLine(const std::string& fileName, long lineNumber, std::string_view line) {
  if (line.find('\n') != std::string_view::npos) {
    RaiseBadLine("%s の改行が CR LF ではありません (%d 行)", fileName, lineNumber);
  }
  if (line.find('\0') != std::string_view::npos) {
    RaiseBadLine("%s に NUL 文字があります (%d 行)", fileName, lineNumber);
  }
}

}  // namespace siconv
