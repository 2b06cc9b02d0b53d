#include "engine/io_code.h"

#include <gtest/gtest.h>

#include <vector>

namespace siconv {
namespace {

TEST(MakeIoError, MessageByCodeAndTheCodeKept) {
  const std::vector<std::pair<int, std::string>> table = {
      {2, "ファイルが見つかりません"},
      {3, "不正なファイル名です"},
      {4, "オープンしたファイルが多すぎます"},
      {5, "ファイルへのアクセスが拒否されました"},
      {100, "ファイルの末尾以降を読み込みました"},
      {101, "ディスクがいっぱいです"},
      {106, "入力値が数値ではありません"},
      {112, "I/O エラー (112)"},
      {32, "I/O エラー (32)"},
      {183, "I/O エラー (183)"},
      {102, "I/O エラー (102)"},
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
    EXPECT_EQ(io->IoCode(), 2);
    EXPECT_EQ(io->Message(), "ファイルが見つかりません");
  }
}

}  // namespace
}  // namespace siconv
