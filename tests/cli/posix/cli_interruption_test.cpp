// A first Ctrl-C while a batch converts: the quantity under way is put in
// place, the folder stops there, later folders are not started, and the
// exit status is 130. The next command on the folder converts what is left.
#include <gtest/gtest.h>
#include <signal.h>

#include "tests/cli/cli_test_support.h"
#include "tests/support/fault_injecting_file_system.h"
#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

// Sends this process a signal as a conversion writes its first file in a folder.
class InterruptingFileSystem : public FaultInjectingFileSystem {
 public:
  explicit InterruptingFileSystem(std::string folder, int signal = SIGINT)
      : folder_(std::move(folder)), signal_(signal) {}
  int Open(const std::string& path, OpenMode mode, FileHandle& file) override {
    if (!sent_ && mode == OpenMode::CreateNew && path.starts_with(folder_ + "/")) {
      sent_ = true;
      ::raise(signal_);
    }
    return FaultInjectingFileSystem::Open(path, mode, file);
  }

 private:
  std::string folder_;
  int signal_;
  bool sent_ = false;
};

TEST(CliInterruptionTest, AFirstSignalStopsAfterTheQuantityUnderWay) {
  TempDir dir;
  for (const char* name : {"a", "b", "c"}) CopyExample("old-units", dir.Path(name));
  const auto c = TreeBytes(dir.Path("c"));
  CliRun run;
  {
    InterruptingFileSystem io(dir.Path("b"));
    ScopedFileSystem scope(io);
    run = RunCliWith({"to-si", "--quiet", dir.Path("a"), dir.Path("b"), dir.Path("c")});
  }
  EXPECT_EQ(run.exitCode, 130);
  EXPECT_EQ(run.err, dir.Path("b") + ": interrupted\n" + dir.Path("c") + ": not started\n");
  EXPECT_EQ(RunCliWith({"list", dir.Path("b")}).out,
            "0\t給圧\tＳＩ単位\n1\t送水圧\t旧単位\n2\t限界圧力(透水試験)\t旧単位\n"
            "3\t間隙圧(透水試験)\t旧単位\n4\t荷重(ｽｳｴｰﾃﾞﾝ式ｻｳﾝﾃﾞｨﾝｸﾞ)\t旧単位\n"
            "5\t地耐力(ｽｳｴｰﾃﾞﾝ式ｻｳﾝﾃﾞｨﾝｸﾞ)\t旧単位\n");
  EXPECT_EQ(TreeBytes(dir.Path("c")), c);
  // The handlers are gone with the command; the rerun converts the rest.
  EXPECT_EQ(RunCliWith({"to-si", "--quiet", dir.Path("b")}).exitCode, 0);
  EXPECT_EQ(TreeBytes(dir.Path("b")), TreeBytes(dir.Path("a")));
}

// Under nohup SIGHUP is ignored before the command starts, and stays so.
TEST(CliInterruptionTest, ASignalIgnoredFromTheStartIsNoInterruption) {
  TempDir dir;
  CopyExample("old-units", dir.Path("a"));
  ::signal(SIGHUP, SIG_IGN);
  CliRun run;
  {
    InterruptingFileSystem io(dir.Path("a"), SIGHUP);
    ScopedFileSystem scope(io);
    run = RunCliWith({"to-si", "--quiet", dir.Path("a")});
  }
  struct sigaction after {};
  ::sigaction(SIGHUP, nullptr, &after);
  ::signal(SIGHUP, SIG_DFL);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(after.sa_handler, SIG_IGN);
}

}  // namespace
}  // namespace siconv
