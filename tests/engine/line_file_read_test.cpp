#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/io_code.h"
#include "engine/line_file.h"
#include "tests/support/fault_injecting_file_system.h"
#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

using Lines = std::vector<std::string>;

// Reads line by line while AtEnd is false, as the converter does.
Lines ReadAll(LineFile& in) {
  Lines lines;
  for (;;) {
    bool atEnd = false;
    EXPECT_EQ(in.AtEnd(atEnd), 0);
    if (atEnd || lines.size() > 100) return lines;
    std::string line;
    EXPECT_EQ(in.ReadLine(line), 0);
    lines.push_back(line);
  }
}

std::string CopyByLines(const TempDir& dir, const std::string& source) {
  LineFile in, out;
  in.Bind(source);
  out.Bind(dir.Path("copy"));
  EXPECT_EQ(in.OpenRead(), 0);
  EXPECT_EQ(out.OpenWrite(), 0);
  for (const std::string& line : ReadAll(in)) EXPECT_EQ(out.WriteLine(line), 0);
  EXPECT_EQ(in.Close(), 0);
  EXPECT_EQ(out.Close(), 0);
  return ReadFile(dir.Path("copy"));
}

struct ReadCase {
  const char* name;
  std::string bytes;
  Lines lines;
  std::string copy;
};

constexpr std::size_t kBlock = LineFile::kBufferSize;
const std::string kBlockLess1(kBlock - 1, 'x');
const std::string kBlockLong(kBlock, 'q');
const std::string k1000(1000, 'L');
const std::string k255(255, 'M');

const std::vector<ReadCase> kReadCases = {
    {"empty file", "", {}, ""},
    {"last line without line end", "A\r\nB", {"A", "B"}, "A\r\nB\r\n"},
    {"marker after the last line end", "A\r\nB\r\n\x1A", {"A", "B"}, "A\r\nB\r\n"},
    {"marker in the middle hides the rest",
     "AB\x1A"
     "CD\r\nEF",
     {"AB"},
     "AB\r\n"},
    {"marker alone", "\x1A", {}, ""},
    {"lone LF is content", "A\nB\n", {"A\nB\n"}, "A\nB\n\r\n"},
    {"lone CR ends a line", "A\rB\r\n", {"A", "B"}, "A\r\nB\r\n"},
    {"CR CR LF gives an empty line", "A\r\r\n", {"A", ""}, "A\r\n\r\n"},
    {"empty lines", "\r\n\r\n", {"", ""}, "\r\n\r\n"},
    {"NUL and double-byte text pass",
     std::string("\x82\xa0\0\x81\x40", 5) + "\r\n",
     {std::string("\x82\xa0\0\x81\x40", 5)},
     std::string("\x82\xa0\0\x81\x40", 5) + "\r\n"},
    {"CR LF split across two blocks",
     kBlockLess1 + "\r\ny",
     {kBlockLess1, "y"},
     kBlockLess1 + "\r\ny\r\n"},
    {"lone CR at the end of a block",
     kBlockLess1 + "\rz",
     {kBlockLess1, "z"},
     kBlockLess1 + "\r\nz\r\n"},
    {"lone LF at the end of a block",
     kBlockLess1 + "\nz",
     {kBlockLess1 + "\nz"},
     kBlockLess1 + "\nz\r\n"},
    {"marker as the last byte of a block",
     kBlockLess1 + "\x1A" + "rest",
     {kBlockLess1},
     kBlockLess1 + "\r\n"},
    {"marker at the start of the second block",
     kBlockLong + "\x1A" + "rest",
     {kBlockLong},
     kBlockLong + "\r\n"},
    {"line across three blocks",
     kBlockLong + kBlockLong + "w\r\nv",
     {kBlockLong + kBlockLong + "w", "v"},
     kBlockLong + kBlockLong + "w\r\nv\r\n"},
    {"file ending on a block boundary", kBlockLess1 + "\r", {kBlockLess1}, kBlockLess1 + "\r\n"},
    {"line of 1000 bytes", k1000 + "\r\nend", {k1000, "end"}, k1000 + "\r\nend\r\n"},
    {"line of exactly 255 bytes", k255 + "\r\n", {k255}, k255 + "\r\n"},
};

TEST(LineFileRead, LinesEndsAndMarkerAndCopies) {
  TempDir dir;
  for (const ReadCase& c : kReadCases) {
    SCOPED_TRACE(c.name);
    WriteFile(dir.Path("in"), c.bytes);
    LineFile in;
    in.Bind(dir.Path("in"));
    ASSERT_EQ(in.OpenRead(), 0);
    EXPECT_EQ(ReadAll(in), c.lines);
    EXPECT_EQ(in.LinesRead(), static_cast<long>(c.lines.size()));
    EXPECT_EQ(in.Close(), 0);
    EXPECT_EQ(CopyByLines(dir, dir.Path("in")), c.copy);
  }
}

TEST(LineFileRead, ReadingPastTheEndGivesEmptyLinesAndConsumesNothing) {
  TempDir dir;
  WriteFile(dir.Path("in"), "A\r\n");
  LineFile in;
  in.Bind(dir.Path("in"));
  ASSERT_EQ(in.OpenRead(), 0);
  std::string line;
  ASSERT_EQ(in.ReadLine(line), 0);
  EXPECT_EQ(line, "A");
  for (int i = 0; i < 3; ++i) {
    line = "stale";
    EXPECT_EQ(in.ReadLine(line), 0);
    EXPECT_EQ(line, "");
    bool atEnd = false;
    EXPECT_EQ(in.AtEnd(atEnd), 0);
    EXPECT_TRUE(atEnd);
  }
  EXPECT_EQ(in.LinesRead(), 1);
}

TEST(LineFileRead, EveryReadAsksForOneBlockAndNoneFollowsTheEnd) {
  struct Case {
    const char* name;
    std::string bytes;
    int reads;
  };
  const std::vector<Case> cases = {
      // 10 full blocks, the 5-byte rest, then the read that finds the end.
      {"10 blocks and 5 bytes", std::string(10 * kBlock + 3, 'x') + "\r\n", 12},
      {"empty", "", 1},
      {"marker in the first block", "AB\x1A" + std::string(1000, 'j'), 1},
  };
  TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteFile(dir.Path("in"), c.bytes);
    FaultInjectingFileSystem io;
    ScopedFileSystem installed(io);
    LineFile in;
    in.Bind(dir.Path("in"));
    ASSERT_EQ(in.OpenRead(), 0);
    ReadAll(in);
    std::string line;
    for (int i = 0; i < 3; ++i) EXPECT_EQ(in.ReadLine(line), 0);
    EXPECT_EQ(io.Count(FsCall::Read), c.reads);
    EXPECT_EQ(in.Close(), 0);
  }
}

TEST(LineFileRead, FailedReadReturnsItsCode) {
  TempDir dir;
  WriteFile(dir.Path("in"), std::string(kBlock + 72, 'a') + "\r\nB\r\n");
  FaultInjectingFileSystem io;
  ScopedFileSystem installed(io);
  LineFile in;
  in.Bind(dir.Path("in"));
  ASSERT_EQ(in.OpenRead(), 0);

  io.FailNth(2, io_code::kOther, FsCall::Read);
  std::string line;
  EXPECT_EQ(in.ReadLine(line), io_code::kOther);
  EXPECT_TRUE(io.FaultFired());

  io.FailNth(1, io_code::kOther, FsCall::Read);
  bool atEnd = false;
  EXPECT_EQ(in.AtEnd(atEnd), io_code::kOther);
  EXPECT_TRUE(atEnd);
  EXPECT_EQ(in.Close(), 0);
}

}  // namespace
}  // namespace siconv
