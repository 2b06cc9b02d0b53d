#include <gtest/gtest.h>

#include "browser/window_layout.h"

namespace siconv {
namespace {

using LayoutNames = std::vector<std::string_view>;

// Each window's tab orders read as Tab visits them: the notebook's lists
// before the folder chooser, whose folder list comes before its drive
// chooser; in the settings dialog the second row of the permeability group
// before its first.
TEST(TabSequenceTest, TabVisitsEachParentsChildrenByTabOrderAndContainersInTheirTurn) {
  EXPECT_EQ(TabSequence(MainFormLayout()),
            (LayoutNames{"TabbedNotebook1", "ListBox1", "ListBox2", "BitBtn1", "BitBtn2",
                         "BitBtnBorSet", "FileListBox1", "DirectoryListBox", "DriveComboBox"}));
  EXPECT_EQ(
      TabSequence(FormBorSelLayout()),
      (LayoutNames{"BitBtnExit", "RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4",
                   "RadioButton7", "RadioButton8", "RadioButton5", "RadioButton6", "RadioButton9",
                   "RadioButton10", "RadioButton11", "RadioButton12", "BitBtnCancel"}));
  EXPECT_EQ(TabSequence(FormVersionLayout()), (LayoutNames{"Button1"}));
}

}  // namespace
}  // namespace siconv
