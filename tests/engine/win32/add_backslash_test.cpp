#include <gtest/gtest.h>

#include "engine/path_join.h"

namespace siconv {
namespace {

TEST(AddBackslash, AppendsABackslashOnce) {
  EXPECT_EQ(AddBackslash("C:\\"), "C:\\");
  EXPECT_EQ(AddBackslash("C:\\DATA"), "C:\\DATA\\");
  EXPECT_EQ(AddBackslash("C:/DATA/"), "C:/DATA/");
  EXPECT_EQ(AddBackslash("\\\\server\\share"), "\\\\server\\share\\");
  EXPECT_EQ(AddBackslash(""), "");
  // "表" is 0x95 0x5C in CP932; in the UTF-8 used inside no byte of it is 0x5C.
  EXPECT_EQ(AddBackslash("D:\\表"), "D:\\表\\");
  EXPECT_EQ(AddBackslash("D:\\ソ"), "D:\\ソ\\");
}

}  // namespace
}  // namespace siconv
