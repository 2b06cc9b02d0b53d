#include "engine/io_code.h"

#include <cstdint>

#include "engine/format_text.h"

namespace siconv {
EInOutError MakeIoError(int ioCode) {
  switch (ioCode) {
    case io_code::kFileNotFound:
      return EInOutError("ファイルが見つかりません", ioCode);
    case io_code::kPathNotFound:
      return EInOutError("不正なファイル名です", ioCode);
    case io_code::kTooManyOpenFiles:
      return EInOutError("オープンしたファイルが多すぎます", ioCode);
    case io_code::kAccessDenied:
      return EInOutError("ファイルへのアクセスが拒否されました", ioCode);
    case io_code::kReadBeyondEnd:
      return EInOutError("ファイルの末尾以降を読み込みました", ioCode);
    case io_code::kDiskWriteError:
      return EInOutError("ディスクがいっぱいです", ioCode);
    case io_code::kInvalidNumericInput:
      return EInOutError("入力値が数値ではありません", ioCode);
    default:
      return EInOutError(FormatText("I/O エラー (%d)", {std::int32_t{ioCode}}), ioCode);
  }
}

void CheckIo(int ioCode) {
  if (ioCode != 0) throw MakeIoError(ioCode);
}

void CheckIoAt(int ioCode, const std::string& path) {
  if (ioCode == 0) return;
  EInOutError error = MakeIoError(ioCode);
  error.SetPlace(path, 0);
  throw error;
}

}  // namespace siconv
