// A folder named SICONV.INI is refused by name. POSIX only: Windows does not
// open a folder as a file and reports access denied instead.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/cli/cli_test_support.h"
#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

TEST(CliFolderAsIniTest, DeclareRefusesAFolderNamedAsTheUnitFile) {
  TempDir dir;
  ASSERT_TRUE(std::filesystem::create_directory(dir.Path("SICONV.INI")));
  const CliRun run = RunCliWith({"declare", dir.Path(), "0=si"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find(dir.Path("SICONV.INI") + " は通常のファイルではありません.\n"),
            std::string::npos)
      << run.err;
}

}  // namespace
}  // namespace siconv
