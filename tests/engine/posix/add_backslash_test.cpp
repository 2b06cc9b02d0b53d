#include <gtest/gtest.h>

#include "engine/path_join.h"

namespace siconv {
namespace {

TEST(AddBackslash, AppendsTheSeparatorOnce) {
  EXPECT_EQ(AddBackslash("/"), "/");
  EXPECT_EQ(AddBackslash("/data"), "/data/");
  EXPECT_EQ(AddBackslash("/data/"), "/data/");
  EXPECT_EQ(AddBackslash(""), "");
  EXPECT_EQ(AddBackslash("/表"), "/表/");
}

}  // namespace
}  // namespace siconv
