#include "tests/support/fault_injecting_io.h"

#include <fcntl.h>
#include <gtest/gtest.h>

#include <cerrno>

#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

class FaultInjectingIoTest : public ::testing::Test {
 protected:
  // Opens, writes once and closes the file.
  int Touch(const std::string& name) {
    int fd = io.Open(dir.Path(name), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (fd < 0) return errno;
    int result = io.Write(fd, "x", 1) == 1 ? 0 : errno;
    io.Close(fd);
    return result;
  }

  TempDir dir;
  FaultInjectingIo io;
};

TEST_F(FaultInjectingIoTest, PathFilterCoversTheCallsOnTheOpenedDescriptor) {
  io.SetPathFilter("/wanted");
  Touch("other");
  Touch("wanted");
  ASSERT_EQ(io.Count(), 3);
  EXPECT_EQ(io.Count(IoCall::Write), 1);
  for (const auto& call : io.Calls()) EXPECT_EQ(call.path, dir.Path("wanted"));
}

TEST_F(FaultInjectingIoTest, NthMatchingCallFailsOnceWithTheChosenErrno) {
  // The folder name is random; "/beta" can only match the file name.
  io.FailNth(2, ENOSPC, IoCall::Write, "/beta");
  EXPECT_EQ(Touch("alpha"), 0);
  EXPECT_EQ(Touch("beta"), 0);
  EXPECT_FALSE(io.FaultFired());
  EXPECT_EQ(Touch("beta"), ENOSPC);
  EXPECT_TRUE(io.FaultFired());
  EXPECT_EQ(Touch("beta"), 0);
  EXPECT_EQ(ReadFile(dir.Path("beta")), "x");
}

TEST_F(FaultInjectingIoTest, FailedRenameAndOpenChangeNothing) {
  WriteFile(dir.Path("from"), "data");
  io.FailNth(1, EXDEV);
  EXPECT_EQ(io.Rename(dir.Path("from"), dir.Path("to"), true), -1);
  EXPECT_EQ(errno, EXDEV);
  io.FailNth(1, EACCES, IoCall::Open);
  EXPECT_EQ(Touch("new"), EACCES);
  EXPECT_TRUE(FileExists(dir.Path("from")));
  EXPECT_FALSE(FileExists(dir.Path("to")));
  EXPECT_FALSE(FileExists(dir.Path("new")));
}

TEST_F(FaultInjectingIoTest, FailedCloseStillReleasesTheDescriptor) {
  int fd = io.Open(dir.Path("f"), O_WRONLY | O_CREAT, 0666);
  ASSERT_GE(fd, 0);
  io.FailNth(1, EIO, IoCall::Close);
  EXPECT_EQ(io.Close(fd), -1);
  EXPECT_EQ(errno, EIO);
  EXPECT_EQ(::fcntl(fd, F_GETFD), -1);
}

}  // namespace
}  // namespace siconv
