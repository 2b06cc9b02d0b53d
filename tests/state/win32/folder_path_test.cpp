#include "state/folder_path.h"

#include <gtest/gtest.h>

namespace siconv {
namespace {

TEST(ResolveFolder, GivesDriveRootsWithTheirBackslashOnly) {
  struct Case {
    const char* base;
    const char* path;
    const char* expected;
  };
  const Case cases[] = {
      {"C:\\DATA", "G73", "C:\\DATA\\G73"},
      {"C:\\DATA", "..", "C:\\"},
      {"C:\\", "..", "C:\\"},
      {"C:\\DATA", "D:\\SURVEY\\", "D:\\SURVEY"},
      {"C:\\DATA", "D:/SURVEY/NO1", "D:\\SURVEY\\NO1"},
      {"C:\\DATA", "\\", "C:\\"},
      {"C:\\DATA", "調査\\", "C:\\DATA\\調査"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ResolveFolder(c.base, c.path), c.expected) << c.base << " + " << c.path;
  }
}

TEST(FolderContains, TakesADriveRootAsTheFolderOfEverythingOnItsDrive) {
  struct Case {
    const char* outer;
    const char* folder;
    bool contains;
  };
  const Case cases[] = {
      {"C:\\", "C:\\", true},
      {"C:\\", "C:\\DATA", true},
      {"C:\\DATA", "C:\\DATA\\G73", true},
      {"C:\\DATA", "C:\\DATABASE", false},
      {"C:\\", "D:\\DATA", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FolderContains(c.outer, c.folder), c.contains) << c.outer << " / " << c.folder;
  }
}

TEST(FolderRoot, IsTheDriveLetterColonAndBackslash) {
  EXPECT_EQ(FolderRoot("C:\\DATA\\G73"), "C:\\");
  EXPECT_EQ(FolderRoot("D:\\"), "D:\\");
  EXPECT_EQ(FolderText("C:\\DATA\\..\\"), "C:\\");
}

}  // namespace
}  // namespace siconv
