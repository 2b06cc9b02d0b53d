#include "browser/folder_list_tips.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

TEST(FolderListTipsTest, OnlyANameCutShortShowsWholeElseTheFolderPath) {
  TempDir temp;
  std::filesystem::create_directory(temp.Path("boring_2023"));
  const FolderListModel folders(temp.Path());
  const int last = static_cast<int>(folders.Items().size()) - 1;
  ASSERT_EQ(folders.Items()[static_cast<std::size_t>(last)].text, "boring_2023");
  EXPECT_EQ(FolderListHint(folders), temp.Path());
  struct Case {
    int index;
    int textWidth;
    int room;
    std::string tip;
  };
  const Case cases[] = {
      {last, 81, 80, "boring_2023"},
      {last, 80, 80, temp.Path()},
      {-1, 81, 80, temp.Path()},
      {last + 1, 81, 80, temp.Path()},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FolderItemTip(folders, c.index, c.textWidth, c.room), c.tip)
        << c.index << " " << c.textWidth;
  }
}

}  // namespace
}  // namespace siconv
