// The rewrite of SICONV.INI keeps the permission bits, which Windows has not.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "state/unit_type_file.h"
#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

TEST(UnitTypeFileModeTest, RewriteKeepsTheFileMode) {
  TempDir dir;
  std::string path = dir.Path("SICONV.INI");
  WriteFile(path, "[UNITTYPE]\nSI_0=1\n");
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  WriteUnitTypeFile(dir.Path(), {0, 0, 1, 1, 0, 0});
  struct stat status;
  ASSERT_EQ(stat(path.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
}

}  // namespace
}  // namespace siconv
