#include "engine/io_code.h"

#include <gtest/gtest.h>

#include <vector>

namespace siconv {
namespace {

TEST(MakeIoError, MessageByCodeAndTheCodeKept) {
  const std::vector<std::pair<int, std::string>> table = {
      {io_code::kFileNotFound, "ファイルが見つかりません"},
      {io_code::kPathNotFound, "不正なファイル名です"},
      {io_code::kTooManyOpenFiles, "オープンしたファイルが多すぎます"},
      {io_code::kAccessDenied, "ファイルへのアクセスが拒否されました"},
      {io_code::kReadBeyondEnd, "ファイルの末尾以降を読み込みました"},
      {io_code::kDiskWriteError, "ディスクがいっぱいです"},
      {io_code::kInvalidNumericInput, "入力値が数値ではありません"},
      {io_code::kDiskFull, "I/O エラー (112)"},
      {io_code::kSharingViolation, "I/O エラー (32)"},
      {io_code::kAlreadyExists, "I/O エラー (183)"},
      {io_code::kNotBound, "I/O エラー (102)"},
      {-1, "I/O エラー (-1)"},
  };
  for (const auto& [code, message] : table) {
    EInOutError e = MakeIoError(code);
    EXPECT_EQ(e.Message(), message) << "code " << code;
    EXPECT_EQ(e.IoCode(), code);
  }
}

TEST(CheckIo, RaisesForEveryCodeButZero) {
  EXPECT_NO_THROW(CheckIo(0));
  try {
    CheckIo(io_code::kFileNotFound);
    ADD_FAILURE() << "CheckIo did not raise";
  } catch (const Exception& e) {  // caught as the program's base exception
    const auto* io = dynamic_cast<const EInOutError*>(&e);
    ASSERT_NE(io, nullptr);
    EXPECT_EQ(io->IoCode(), io_code::kFileNotFound);
    EXPECT_EQ(io->Message(), "ファイルが見つかりません");
  }
}

}  // namespace
}  // namespace siconv
