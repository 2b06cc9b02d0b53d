#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "engine/io_code.h"
#include "engine/line_file.h"
#include "tests/support/fault_injecting_file_system.h"
#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

TEST(LineFileOpen, FailedOpensReturnTheirCodeAndLeaveTheFileClosed) {
  TempDir dir;
  WriteFile(dir.Path("plain"), "x");
  std::filesystem::create_directory(dir.Path("folder"));
  struct Case {
    const char* name;
    std::string path;
    bool write;
    int code;
  };
  const std::vector<Case> cases = {
      {"missing file", dir.Path("missing.txt"), false, io_code::kFileNotFound},
      {"missing folder", dir.Path("nowhere/missing.txt"), false, io_code::kPathNotFound},
      {"a file used as a folder", dir.Path("plain/x"), false, io_code::kPathNotFound},
      {"create in a missing folder", dir.Path("nowhere/new.txt"), true, io_code::kPathNotFound},
      {"read a folder", dir.Path("folder"), false, io_code::kAccessDenied},
      {"write a folder", dir.Path("folder"), true, io_code::kAccessDenied},
      {"name over 255 bytes", dir.Path(std::string(256, 'n')), true, io_code::kNameTooLong},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LineFile file;
    file.Bind(c.path);
    EXPECT_EQ(c.write ? file.OpenWrite() : file.OpenRead(), c.code);
    EXPECT_EQ(file.Close(), io_code::kNotOpen);  // no handle was left open
  }
}

TEST(LineFileOpen, OpenWriteEmptiesAnExistingFile) {
  TempDir dir;
  WriteFile(dir.Path("f"), "old contents\r\n");
  LineFile out;
  out.Bind(dir.Path("f"));
  ASSERT_EQ(out.OpenWrite(), 0);
  ASSERT_EQ(out.Close(), 0);
  EXPECT_EQ(ReadFile(dir.Path("f")), "");
}

TEST(LineFileOpen, OpenWriteOnAReadOnlyFileIsDenied) {
  TempDir dir;
  WriteFile(dir.Path("f"), "keep");
  MakeReadOnly(dir.Path("f"));
  if (!ReadOnlyIsEnforced(dir.Path("f"))) GTEST_SKIP() << "this process may write any file";
  LineFile out;
  out.Bind(dir.Path("f"));
  EXPECT_EQ(out.OpenWrite(), io_code::kAccessDenied);
  EXPECT_EQ(ReadFile(dir.Path("f")), "keep");
}

TEST(LineFileOpen, OpenWriteRefusesABlockDevice) {
  const char* device = "/dev/loop0";
  struct stat st;
  if (::stat(device, &st) != 0 || !S_ISBLK(st.st_mode) || ::access(device, W_OK) != 0) {
    GTEST_SKIP() << "no writable block device";
  }
  LineFile out;
  out.Bind(device);
  EXPECT_EQ(out.OpenWrite(), io_code::kNotOpenForWriting);
  EXPECT_EQ(out.Close(), io_code::kNotOpen);
}

TEST(LineFileOpen, LongPathIsKeptWhole) {
  TempDir dir;
  std::string folder = dir.Path(std::string(200, 'd'));
  std::filesystem::create_directory(folder);
  std::string path = folder + "/" + std::string(300 - folder.size() - 1, 'f');
  ASSERT_EQ(path.size(), 300u);

  LineFile out;
  out.Bind(path);
  EXPECT_EQ(out.Name(), path);
  ASSERT_EQ(out.OpenWrite(), 0);
  ASSERT_EQ(out.WriteLine("long"), 0);
  ASSERT_EQ(out.Close(), 0);
  EXPECT_EQ(ReadFile(path), "long\r\n");
}

TEST(LineFileOpen, OperationsInTheWrongStateReturnTheLayersOwnCodes) {
  TempDir dir;
  WriteFile(dir.Path("f"), "x\r\n");
  std::string line;
  bool atEnd = false;
  struct Case {
    const char* name;
    std::function<void(LineFile&)> prepare;
    std::function<int(LineFile&)> operation;
    int code;
  };
  auto unbound = [](LineFile&) {};
  auto closed = [&](LineFile& f) { f.Bind(dir.Path("f")); };
  auto reading = [&](LineFile& f) {
    closed(f);
    ASSERT_EQ(f.OpenRead(), 0);
  };
  auto writing = [&](LineFile& f) {
    f.Bind(dir.Path("w"));
    ASSERT_EQ(f.OpenWrite(), 0);
  };
  const std::vector<Case> cases = {
      {"OpenRead unbound", unbound, [](LineFile& f) { return f.OpenRead(); }, io_code::kNotBound},
      {"OpenWrite unbound", unbound, [](LineFile& f) { return f.OpenWrite(); }, io_code::kNotBound},
      {"Remove unbound", unbound, [](LineFile& f) { return f.Remove(); }, io_code::kNotBound},
      {"MoveTo unbound", unbound, [&](LineFile& f) { return f.MoveTo(dir.Path("g")); },
       io_code::kNotBound},
      {"MoveTo reading", reading, [&](LineFile& f) { return f.MoveTo(dir.Path("g")); },
       io_code::kNotBound},
      {"Close unbound", unbound, [](LineFile& f) { return f.Close(); }, io_code::kNotOpen},
      {"Close closed", closed, [](LineFile& f) { return f.Close(); }, io_code::kNotOpen},
      {"CloseSynced closed", closed, [](LineFile& f) { return f.CloseSynced(); },
       io_code::kNotOpen},
      {"ReadLine closed", closed, [&](LineFile& f) { return f.ReadLine(line); },
       io_code::kNotOpenForReading},
      {"ReadLine writing", writing, [&](LineFile& f) { return f.ReadLine(line); },
       io_code::kNotOpenForReading},
      {"AtEnd unbound", unbound, [&](LineFile& f) { return f.AtEnd(atEnd); },
       io_code::kNotOpenForReading},
      {"WriteLine reading", reading, [](LineFile& f) { return f.WriteLine("x"); },
       io_code::kNotOpenForWriting},
      {"WriteLine closed", closed, [](LineFile& f) { return f.WriteLine("x"); },
       io_code::kNotOpenForWriting},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LineFile file;
    c.prepare(file);
    FileStatus status;
    const bool open = file.HandleStatus(status) == 0;
    EXPECT_EQ(c.operation(file), c.code);
    EXPECT_EQ(file.HandleStatus(status) == 0, open);
  }
  EXPECT_TRUE(atEnd);
  EXPECT_EQ(ReadFile(dir.Path("f")), "x\r\n");
}

TEST(LineFileOpen, AnOpenHandleIsReleasedByRebindReopenAndDestruction) {
  TempDir dir;
  WriteFile(dir.Path("f"), "x\r\n");
  FaultInjectingFileSystem io;
  ScopedFileSystem installed(io);
  {
    LineFile file;
    file.Bind(dir.Path("f"));
    ASSERT_EQ(file.OpenRead(), 0);
    ASSERT_EQ(file.OpenRead(), 0);  // closes the first handle
    EXPECT_EQ(io.Count(FsCall::Close), 1);
    file.Bind(dir.Path("f"));
    EXPECT_EQ(io.Count(FsCall::Close), 2);
    EXPECT_EQ(file.Close(), io_code::kNotOpen);
    ASSERT_EQ(file.OpenWrite(), 0);
  }
  EXPECT_EQ(io.Count(FsCall::Open), 3);
  EXPECT_EQ(io.Count(FsCall::Close), 3);
}

TEST(LineFileOpen, TooManyOpenFilesHasItsOwnCode) {
  TempDir dir;
  WriteFile(dir.Path("f"), "");
  FaultInjectingFileSystem io;
  ScopedFileSystem installed(io);
  io.FailNth(1, io_code::kTooManyOpenFiles, FsCall::Open);
  LineFile file;
  file.Bind(dir.Path("f"));
  EXPECT_EQ(file.OpenRead(), io_code::kTooManyOpenFiles);
  EXPECT_EQ(file.OpenRead(), 0);
}

}  // namespace
}  // namespace siconv
