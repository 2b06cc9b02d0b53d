#include "engine/io_code.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <vector>

#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

TEST(IoCodeFromErrno, MapsEveryErrnoOfTheTable) {
  TempDir dir;
  const std::string inExistingFolder = dir.Path("file");
  const std::vector<std::pair<int, int>> table = {
      {ENOTDIR, 3},        {EMFILE, 4},     {ENFILE, 4},   {EACCES, 5},   {EPERM, 5},
      {EROFS, 5},          {EISDIR, 5},     {EBUSY, 32},   {ETXTBSY, 32}, {ENXIO, 21},
      {ENODEV, 21},        {ENOMEDIUM, 21}, {ENOSPC, 112}, {EDQUOT, 112}, {EEXIST, 183},
      {ENAMETOOLONG, 206}, {EIO, 31},       {EINVAL, 31},  {EXDEV, 31},
  };
  for (auto [error, code] : table) {
    EXPECT_EQ(IoCodeFromErrno(error, inExistingFolder), code) << "errno " << error;
  }
}

TEST(IoCodeFromErrno, MissingEntryIsAFileOrAFolderByWhatExists) {
  TempDir dir;
  WriteFile(dir.Path("plain"), "");
  EXPECT_EQ(IoCodeFromErrno(ENOENT, dir.Path("missing")), io_code::kFileNotFound);
  EXPECT_EQ(IoCodeFromErrno(ENOENT, dir.Path("nowhere/missing")), io_code::kPathNotFound);
  EXPECT_EQ(IoCodeFromErrno(ENOENT, dir.Path("plain/missing")), io_code::kPathNotFound);
  // A bare name lies in the current folder, which exists.
  EXPECT_EQ(IoCodeFromErrno(ENOENT, "surely-missing-file"), io_code::kFileNotFound);
}

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
