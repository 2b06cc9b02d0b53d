#include <gtest/gtest.h>

#include <QLocale>

#include "browser/folder_name_order.h"

namespace siconv {
namespace {

// A Japanese collation that ignores case also takes kana and width variants as
// equal; those are different folders and all stay.
TEST(OrderFolderNames, KeepsKanaAndWidthVariantsUnderJapaneseCollation) {
  QLocale previous;
  QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
  std::vector<std::string> ordered = OrderFolderNames({"データ", "でーた", "ﾃﾞｰﾀ"});
  QLocale::setDefault(previous);
  EXPECT_EQ(ordered.size(), 3u);
}

}  // namespace
}  // namespace siconv
