#include "browser/folder_name_order.h"

#include <gtest/gtest.h>

#include <QLocale>

namespace siconv {
namespace {

using Names = std::vector<std::string>;

TEST(OrderFolderNames, SortsWithoutRegardToCase) {
  EXPECT_EQ(OrderFolderNames({"b", "A", "c"}), (Names{"A", "b", "c"}));
}

TEST(OrderFolderNames, KeepsOneOfNamesEqualIgnoringCase) {
  EXPECT_EQ(OrderFolderNames({"data", "x", "Data", "DATA"}), (Names{"DATA", "x"}));
}

// A Japanese collation that ignores case also takes kana and width variants as
// equal; those are different folders and all stay.
TEST(OrderFolderNames, KeepsKanaAndWidthVariantsUnderJapaneseCollation) {
  QLocale previous;
  QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
  Names ordered = OrderFolderNames({"データ", "でーた", "ﾃﾞｰﾀ"});
  QLocale::setDefault(previous);
  EXPECT_EQ(ordered.size(), 3u);
}

TEST(OrderFolderNames, KeepsUndecodableNamesApart) {
  // Two Shift-JIS names that decode to the same replacement characters.
  Names ordered = OrderFolderNames({"\x88\xa2", "\x88\x9f"});
  EXPECT_EQ(ordered, (Names{"\x88\x9f", "\x88\xa2"}));
}

}  // namespace
}  // namespace siconv
