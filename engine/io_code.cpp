#include "engine/io_code.h"

#include <cstdint>

#include "engine/format_text.h"

namespace siconv {
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

void CheckIoAt(int ioCode, const std::string& path) {
  if (ioCode == 0) return;
  EInOutError error = MakeIoError(ioCode);
  error.SetPlace(path, 0);
  throw error;
}

}  // namespace siconv
