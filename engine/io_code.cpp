#include "engine/io_code.h"

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "engine/number_text.h"

namespace siconv {
namespace {

// A missing file in an existing folder is "file not found"; anything else on
// the way there is "path not found", as the Windows codes tell them apart.
int MissingEntryCode(const std::string& path) {
  std::filesystem::path folder = std::filesystem::path(path).parent_path();
  std::error_code ec;
  bool folderExists = std::filesystem::is_directory(folder.empty() ? "." : folder, ec);
  return folderExists ? io_code::kFileNotFound : io_code::kPathNotFound;
}

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

EInOutError MakeIoError(int ioCode) {
  switch (ioCode) {
    case 2:
      return EInOutError("ファイルが見つかりません", ioCode);
    case 3:
      return EInOutError("不正なファイル名です", ioCode);
    case 4:
      return EInOutError("オープンしたファイルが多すぎます", ioCode);
    case 5:
      return EInOutError("ファイルへのアクセスが拒否されました", ioCode);
    case 100:
      return EInOutError("ファイルの末尾以降を読み込みました", ioCode);
    case 101:
      return EInOutError("ディスクがいっぱいです", ioCode);
    case 106:
      return EInOutError("入力値が数値ではありません", ioCode);
    default:
      return EInOutError(FormatText("I/O エラー (%d)", {std::int32_t{ioCode}}), ioCode);
  }
}

void CheckIo(int ioCode) {
  if (ioCode != 0) throw MakeIoError(ioCode);
}

}  // namespace siconv
