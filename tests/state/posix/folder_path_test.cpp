#include "state/folder_path.h"

#include <gtest/gtest.h>

namespace siconv {
namespace {

TEST(ResolveFolder, GivesTheFolderTextWithoutFollowingLinks) {
  struct Case {
    const char* base;
    const char* path;
    const char* expected;
  };
  const Case cases[] = {
      {"/a/b", "c", "/a/b/c"},
      {"/a/b", "..", "/a"},
      {"/a/b", "../..", "/"},
      {"/", "..", "/"},
      {"/a", "/x//y/", "/x/y"},
      {"/a", "./.", "/a"},
      {"/a/b", "link/../c", "/a/b/c"},
      {"/", "", "/"},
      {"/a", "b/", "/a/b"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ResolveFolder(c.base, c.path), c.expected) << c.base << " + " << c.path;
  }
}

TEST(FolderRoot, IsTheSlash) {
  EXPECT_EQ(FolderRoot("/a/b"), "/");
  EXPECT_EQ(FolderRoot("/"), "/");
}

}  // namespace
}  // namespace siconv
