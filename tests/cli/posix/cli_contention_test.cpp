// Two processes and one folder: while another process holds a folder, every
// command on it is refused at once with the folder named, changes nothing
// there, goes on with its other folders and exits 1.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>

#include "engine/file_system.h"
#include "tests/cli/cli_test_support.h"
#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

// A child process that holds folder's lock until this object goes.
class OtherProcessHolding {
 public:
  explicit OtherProcessHolding(const std::string& folder) {
    int ready[2];
    int release[2];
    if (::pipe(ready) != 0 || ::pipe(release) != 0) throw std::runtime_error("pipe");
    child_ = ::fork();
    if (child_ == 0) {
      ::close(ready[0]);
      ::close(release[1]);
      FileHandle lock;
      const char held = PlatformFileSystem().LockFolder(folder, lock) == 0 ? '1' : '0';
      (void)!::write(ready[1], &held, 1);
      char byte;
      (void)!::read(release[0], &byte, 1);  // returns when the parent closes its end
      ::_exit(0);
    }
    ::close(ready[1]);
    ::close(release[0]);
    release_ = release[1];
    char held = '0';
    held_ = ::read(ready[0], &held, 1) == 1 && held == '1';
    ::close(ready[0]);
  }
  ~OtherProcessHolding() {
    ::close(release_);
    ::waitpid(child_, nullptr, 0);
  }
  bool Held() const { return held_; }

 private:
  pid_t child_ = -1;
  int release_ = -1;
  bool held_ = false;
};

TEST(CliContentionTest, AFolderHeldByAnotherProcessIsRefusedAndTheOthersGoOn) {
  TempDir dir;
  const std::string held = dir.Path("held");
  const std::string free = dir.Path("free");
  struct Case {
    std::vector<std::string> args;
    bool freeChanges;
  };
  const Case cases[] = {
      {{"list", held, free}, false},
      {{"to-si", held, free}, true},
      {{"to-old", held, free}, true},
      {{"declare", held, "0=si"}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[0]);
    CopyExample(c.args[0] == "to-old" ? "si-units" : "old-units", held);
    CopyExample(c.args[0] == "to-old" ? "si-units" : "old-units", free);
    const auto heldBefore = TreeBytes(held);
    const auto freeBefore = TreeBytes(free);
    {
      const OtherProcessHolding other(held);
      ASSERT_TRUE(other.Held());
      const CliRun run = RunCliWith(c.args);
      EXPECT_EQ(run.exitCode, 1);
      EXPECT_NE(run.err.find(held + " は他のプログラムが使用中です"), std::string::npos) << run.err;
      EXPECT_EQ(TreeBytes(held), heldBefore);
      EXPECT_EQ(TreeBytes(free) != freeBefore, c.freeChanges);
      EXPECT_EQ(run.out.find(held + ":"), std::string::npos) << run.out;
    }
    EXPECT_EQ(RunCliWith({"list", held}).exitCode, 0);  // released with the other process
    std::filesystem::remove_all(held);
    std::filesystem::remove_all(free);
  }
}

}  // namespace
}  // namespace siconv
