#include "browser/folder_name_order.h"

#include <gtest/gtest.h>

namespace siconv {
namespace {

using Names = std::vector<std::string>;

TEST(OrderFolderNames, SortsWithoutRegardToCase) {
  EXPECT_EQ(OrderFolderNames({"b", "A", "c"}), (Names{"A", "b", "c"}));
}

TEST(OrderFolderNames, ListsEachOfNamesEqualIgnoringCase) {
  EXPECT_EQ(OrderFolderNames({"data", "x", "Data", "DATA"}), (Names{"DATA", "Data", "data", "x"}));
}

TEST(OrderFolderNames, KeepsUndecodableNamesApart) {
  // Two names that are neither UTF-8 nor CP932 and show the same.
  Names ordered = OrderFolderNames({"b\x83", "a\x83", "a\x84"});
  EXPECT_EQ(ordered, (Names{"a\x83", "a\x84", "b\x83"}));
}

}  // namespace
}  // namespace siconv
