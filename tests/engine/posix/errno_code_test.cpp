#include "engine/posix/errno_code.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <vector>

#include "engine/io_code.h"
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

}  // namespace
}  // namespace siconv
