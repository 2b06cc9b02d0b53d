#include "tests/support/fault_injecting_file_system.h"

#include <gtest/gtest.h>

#include "engine/io_code.h"
#include "engine/path_separator.h"
#include "tests/support/child_process.h"
#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

class FaultInjectingFileSystemTest : public ::testing::Test {
 protected:
  // Creates or empties the file, writes one byte and closes it: three calls.
  int Touch(const std::string& name) {
    FileHandle file;
    if (int code = fs.Open(dir.Path(name), OpenMode::Rewrite, file)) return code;
    const int code = fs.Write(file, "x", 1);
    fs.Close(file);
    return code;
  }

  TempDir dir;
  FaultInjectingFileSystem fs;
};

TEST_F(FaultInjectingFileSystemTest, PathFilterCoversTheCallsOnTheOpenedHandle) {
  fs.SetPathFilter(PathSeparator() + std::string("wanted"));
  Touch("other");
  Touch("wanted");
  ASSERT_EQ(fs.Count(), 3);
  EXPECT_EQ(fs.Count(FsCall::Write), 1);
  for (const auto& call : fs.Calls()) EXPECT_EQ(call.path, dir.Path("wanted"));
}

TEST_F(FaultInjectingFileSystemTest, NthMatchingCallFailsOnceWithTheChosenCode) {
  // The folder name is random; "/beta" can only match the file name.
  fs.FailNth(2, io_code::kDiskFull, FsCall::Write, PathSeparator() + std::string("beta"));
  EXPECT_EQ(Touch("alpha"), 0);
  EXPECT_EQ(Touch("beta"), 0);
  EXPECT_FALSE(fs.FaultFired());
  EXPECT_EQ(Touch("beta"), io_code::kDiskFull);
  EXPECT_TRUE(fs.FaultFired());
  EXPECT_EQ(Touch("beta"), 0);
  EXPECT_EQ(ReadFile(dir.Path("beta")), "x");
}

TEST_F(FaultInjectingFileSystemTest, FailedReplaceAndOpenChangeNothing) {
  WriteFile(dir.Path("from"), "data");
  fs.FailNth(1, io_code::kOther);
  EXPECT_EQ(fs.Replace(dir.Path("from"), dir.Path("to")), io_code::kOther);
  fs.FailNth(1, io_code::kAccessDenied, FsCall::Open);
  EXPECT_EQ(Touch("new"), io_code::kAccessDenied);
  EXPECT_TRUE(FileExists(dir.Path("from")));
  EXPECT_FALSE(FileExists(dir.Path("to")));
  EXPECT_FALSE(FileExists(dir.Path("new")));
}

TEST_F(FaultInjectingFileSystemTest, FailFromFailsEveryCallFromThenOn) {
  fs.FailFrom(2, io_code::kDiskFull);
  EXPECT_EQ(Touch("a"), io_code::kDiskFull);  // the open passes, the write fails
  EXPECT_EQ(Touch("b"), io_code::kDiskFull);
  FileStatus status;
  EXPECT_EQ(fs.Status(dir.Path("a"), Links::Own, status), io_code::kDiskFull);
  EXPECT_FALSE(FileExists(dir.Path("b")));
}

TEST_F(FaultInjectingFileSystemTest, FailedCloseStillReleasesTheHandle) {
  FileHandle file;
  ASSERT_EQ(fs.Open(dir.Path("f"), OpenMode::Rewrite, file), 0);
  fs.FailNth(1, io_code::kOther, FsCall::Close);
  EXPECT_EQ(fs.Close(file), io_code::kOther);
  FileStatus status;
  EXPECT_NE(PlatformFileSystem().Status(file, status), 0);
}

TEST_F(FaultInjectingFileSystemTest, CrashEndsTheProcessBeforeTheCall) {
  const std::optional<int> exitCode = ExitCodeOfChild([this] {
    fs.CrashAt(2);
    Touch("crashed");  // the open is made, the write never
  });
  if (!exitCode) GTEST_SKIP() << "no fork on this system";
  EXPECT_EQ(*exitCode, FaultInjectingFileSystem::kCrashExitCode);
  EXPECT_EQ(ReadFile(dir.Path("crashed")), "");
}

}  // namespace
}  // namespace siconv
