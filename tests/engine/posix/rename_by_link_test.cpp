#include "engine/posix/rename_by_link.h"

#include <gtest/gtest.h>

#include "engine/io_code.h"
#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

TEST(RenameByLink, MovesTheFileAndNeverReplacesOne) {
  TempDir dir;
  WriteFile(dir.Path("SICONV.JN$"), "journal");
  WriteFile(dir.Path("SICONV.JNL"), "older");
  EXPECT_EQ(RenameByLink(dir.Path("SICONV.JN$"), dir.Path("SICONV.JNL")), io_code::kAlreadyExists);
  EXPECT_EQ(ReadFile(dir.Path("SICONV.JN$")), "journal");
  EXPECT_EQ(ReadFile(dir.Path("SICONV.JNL")), "older");

  EXPECT_EQ(RenameByLink(dir.Path("SICONV.JN$"), dir.Path("NEW.JNL")), 0);
  EXPECT_FALSE(FileExists(dir.Path("SICONV.JN$")));
  EXPECT_EQ(ReadFile(dir.Path("NEW.JNL")), "journal");
  EXPECT_EQ(RenameByLink(dir.Path("SICONV.JN$"), dir.Path("X")), io_code::kFileNotFound);
}

}  // namespace
}  // namespace siconv
