#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "engine/io_code.h"
#include "engine/line_file.h"
#include "tests/support/fault_injecting_file_system.h"
#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

constexpr std::size_t kWrittenBlock = LineFile::kBufferSize;

// Lines of 8 characters, 10 bytes with their line ends, eight lines past the
// first block; line kFillingLine (from 0) fills the block and reaches past it.
constexpr std::size_t kFillingLine = kWrittenBlock / 10;

std::vector<std::string> LinesPastOneBlock() {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < kFillingLine + 8; ++i) {
    lines.push_back(std::string(8, static_cast<char>('a' + i % 26)));
  }
  return lines;
}

std::string WithLineEnds(const std::vector<std::string>& lines, std::size_t from = 0) {
  std::string bytes;
  for (std::size_t i = from; i < lines.size(); ++i) bytes += lines[i] + "\r\n";
  return bytes;
}

class LineFileWrite : public ::testing::Test {
 protected:
  void SetUp() override {
    out.Bind(path);
    ASSERT_EQ(out.OpenWrite(), 0);
  }

  // Installed before the file is opened, so that it knows the file's path.
  FaultInjectingFileSystem io;
  ScopedFileSystem installed{io};
  TempDir dir;
  std::string path = dir.Path("out");
  LineFile out;
};

TEST_F(LineFileWrite, DataReachTheFileInWholeBlocksAndTheRestAtClose) {
  auto lines = LinesPastOneBlock();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    ASSERT_EQ(out.WriteLine(lines[i]), 0);
    if (i + 1 >= kFillingLine) {
      EXPECT_EQ(ReadFile(path).size(), i < kFillingLine ? 0u : kWrittenBlock)
          << "after line " << i + 1;
    }
  }
  ASSERT_EQ(out.Close(), 0);
  EXPECT_EQ(ReadFile(path), WithLineEnds(lines));
}

TEST_F(LineFileWrite, ExactlyFullBufferIsWrittenAtOnceAndCloseWritesNothingMore) {
  ASSERT_EQ(out.WriteLine(std::string(kWrittenBlock - 2, 'z')), 0);
  EXPECT_EQ(ReadFile(path).size(), kWrittenBlock);
  ASSERT_EQ(out.Close(), 0);
  EXPECT_EQ(io.Count(FsCall::Write), 1);
}

TEST_F(LineFileWrite, BytesGoOutUntranslated) {
  const std::string text("\x82\xa0\0\n\x1A\r", 6);
  ASSERT_EQ(out.WriteLine(text), 0);
  ASSERT_EQ(out.Close(), 0);
  EXPECT_EQ(ReadFile(path), text + "\r\n");
}

TEST_F(LineFileWrite, AbandonedFileHoldsOnlyTheWholeBlocks) {
  for (const std::string& line : LinesPastOneBlock()) ASSERT_EQ(out.WriteLine(line), 0);
  out.Bind(dir.Path("next"));  // a conversion abandoned by an exception rebinds
  EXPECT_EQ(ReadFile(path), WithLineEnds(LinesPastOneBlock()).substr(0, kWrittenBlock));
}

TEST_F(LineFileWrite, FailedFinalWriteKeepsTheFirstBlockAndReleasesTheHandle) {
  for (const std::string& line : LinesPastOneBlock()) ASSERT_EQ(out.WriteLine(line), 0);
  io.FailNth(1, io_code::kDiskFull, FsCall::Write);
  EXPECT_EQ(out.Close(), io_code::kDiskFull);
  EXPECT_EQ(out.Close(), io_code::kNotOpen);  // closed all the same
  EXPECT_EQ(io.Count(FsCall::Close), 1);
  EXPECT_EQ(ReadFile(path), WithLineEnds(LinesPastOneBlock()).substr(0, kWrittenBlock));
}

TEST_F(LineFileWrite, FailedBlockAndTheRestOfItsLineAreDropped) {
  io.FailNth(1, io_code::kDiskFull, FsCall::Write);
  auto lines = LinesPastOneBlock();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(out.WriteLine(lines[i]), i == kFillingLine ? io_code::kDiskFull : 0)
        << "line " << i + 1;
  }
  ASSERT_EQ(out.Close(), 0);
  EXPECT_EQ(ReadFile(path), WithLineEnds(lines, kFillingLine + 1));
}

TEST_F(LineFileWrite, CloseSyncedMakesTheDataDurableBeforeClosing) {
  io.Reset();  // forget the open
  ASSERT_EQ(out.WriteLine("abc"), 0);
  ASSERT_EQ(out.CloseSynced(), 0);
  ASSERT_EQ(io.Count(), 3);
  EXPECT_EQ(io.Calls()[0].kind, FsCall::Write);
  EXPECT_EQ(io.Calls()[1].kind, FsCall::Flush);
  EXPECT_EQ(io.Calls()[2].kind, FsCall::Close);
  EXPECT_EQ(io.Calls()[2].path, path);
  EXPECT_EQ(ReadFile(path), "abc\r\n");
}

TEST_F(LineFileWrite, FailedSyncIsReportedAndTheHandleReleased) {
  io.FailNth(1, io_code::kOther, FsCall::Flush);
  ASSERT_EQ(out.WriteLine("abc"), 0);
  EXPECT_EQ(out.CloseSynced(), io_code::kOther);
  EXPECT_EQ(out.Close(), io_code::kNotOpen);  // closed all the same
  EXPECT_EQ(io.Count(FsCall::Close), 1);
}

TEST(LineFileDeviceFull, WriteFailsWithDiskFull) {
  if (::access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no writable /dev/full";
  LineFile out;
  out.Bind("/dev/full");
  ASSERT_EQ(out.OpenWrite(), 0);  // a character device may be written
  auto lines = LinesPastOneBlock();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(out.WriteLine(lines[i]), i == kFillingLine ? io_code::kDiskFull : 0)
        << "line " << i + 1;
  }
  EXPECT_EQ(out.Close(), io_code::kDiskFull);
  EXPECT_EQ(out.Close(), io_code::kNotOpen);  // closed all the same
}

}  // namespace
}  // namespace siconv
