// Folder names are bytes on POSIX: a raw CP932 name may hold a pair that
// reads as a UTF-8 C1 control, and siconv-cli prints it escaped, whole.
#include <gtest/gtest.h>

#include "tests/cli/cli_test_support.h"
#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

TEST(CliRawFolderNameTest, AC1ControlIsEscapedWithBothBytes) {
  TempDir dir;
  const std::string folder = dir.Path(
      "a\xC2\x9B"
      "b");
  CopyExample("old-units", folder);
  WriteFile(folder + "/G73.TXT", "1,1,1,1\n");
  const CliRun run = RunCliWith({"to-si", "--dry-run", folder});
  EXPECT_NE(run.err.find("a\\xC2\\x9Bb"), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find("\xC2\x9B"), std::string::npos);
}

}  // namespace
}  // namespace siconv
