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
      {ENOTDIR, io_code::kPathNotFound},
      {EMFILE, io_code::kTooManyOpenFiles},
      {ENFILE, io_code::kTooManyOpenFiles},
      {EACCES, io_code::kAccessDenied},
      {EPERM, io_code::kAccessDenied},
      {EROFS, io_code::kAccessDenied},
      {EISDIR, io_code::kAccessDenied},
      {EBUSY, io_code::kSharingViolation},
      {ETXTBSY, io_code::kSharingViolation},
      {ENXIO, io_code::kNotReady},
      {ENODEV, io_code::kNotReady},
      {ENOMEDIUM, io_code::kNotReady},
      {ENOSPC, io_code::kDiskFull},
      {EDQUOT, io_code::kDiskFull},
      {EEXIST, io_code::kAlreadyExists},
      {ENAMETOOLONG, io_code::kNameTooLong},
      {EIO, io_code::kOther},
      {EINVAL, io_code::kOther},
      {EXDEV, io_code::kOther},
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
