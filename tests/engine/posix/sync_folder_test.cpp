// Folder fsync on a file system that cannot do it (procfs says EINVAL, as
// some network and FUSE file systems do) counts as done, so that a
// conversion does not fail after its record file was renamed.
#include <gtest/gtest.h>

#include "engine/file_system.h"
#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

TEST(SyncFolderTest, UnsupportedFolderSyncCountsAsDone) {
  TempDir dir;
  for (const std::string& folder : {std::string("/proc"), std::string("/sys"), dir.Path()}) {
    EXPECT_EQ(PlatformFileSystem().SyncFolder(folder), 0) << folder;
  }
  EXPECT_NE(PlatformFileSystem().SyncFolder(dir.Path("missing")), 0);
}

}  // namespace
}  // namespace siconv
