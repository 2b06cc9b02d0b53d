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

}  // namespace
}  // namespace siconv
