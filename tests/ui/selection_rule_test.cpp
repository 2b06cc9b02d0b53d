// Which conversion button is enabled and which list keeps its selection,
// driven by mouse clicks with Ctrl and Shift as the user makes them.
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "tests/ui/window_test_support.h"

namespace siconv {
namespace {

class SelectionRuleTest : public WindowTest {
 protected:
  // Three captions under old units and three under SI units.
  void SetUp() override {
    const std::string data = CopyExample("old-units", "data");
    WriteFile(data + "/SICONV.INI", "[UNITTYPE]\r\nSI_3=1\r\nSI_4=1\r\nSI_5=1\r\n");
    Start();
    OpenFolder("data");
    ASSERT_EQ(form->ListBox1->count(), 3);
    ASSERT_EQ(form->ListBox2->count(), 3);
  }

  void ExpectState(bool toSi, bool toOld, std::vector<int> oldRows, std::vector<int> siRows) {
    EXPECT_EQ(form->BitBtn1->isEnabled(), toSi);
    EXPECT_EQ(form->BitBtn2->isEnabled(), toOld);
    EXPECT_EQ(SelectedRows(*form->ListBox1), oldRows);
    EXPECT_EQ(SelectedRows(*form->ListBox2), siRows);
  }
};

TEST_F(SelectionRuleTest, StartsWithNothingSelectedAndBothButtonsOff) {
  ExpectState(false, false, {}, {});
}

TEST_F(SelectionRuleTest, TheListActedOnWins) {
  ClickItem(*form->ListBox1, 0);
  ClickItem(*form->ListBox1, 2, Qt::ShiftModifier);
  ExpectState(true, false, {0, 1, 2}, {});

  ClickItem(*form->ListBox2, 1);
  ExpectState(false, true, {}, {1});

  ClickItem(*form->ListBox2, 2, Qt::ControlModifier);
  ExpectState(false, true, {}, {1, 2});

  ClickItem(*form->ListBox1, 1, Qt::ControlModifier);
  ExpectState(true, false, {1}, {});
}

// Shift+click: the range from the anchor, the rest cleared; Ctrl+Shift+click
// adds the range to what is selected.
TEST_F(SelectionRuleTest, ShiftClickSelectsTheRangeFromTheAnchor) {
  for (const auto& [modifiers, rows] :
       {std::pair{Qt::KeyboardModifiers(Qt::ShiftModifier), std::vector<int>{0, 1}},
        std::pair{Qt::ControlModifier | Qt::ShiftModifier, std::vector<int>{0, 1, 2}}}) {
    ClickItem(*form->ListBox1, 2);
    ClickItem(*form->ListBox1, 0, Qt::ControlModifier);  // the anchor
    ClickItem(*form->ListBox1, 1, modifiers);
    ExpectState(true, false, rows, {});
  }
}

TEST_F(SelectionRuleTest, CtrlClickRemovingTheLastSelectedItemDisablesBoth) {
  ClickItem(*form->ListBox1, 1);
  ClickItem(*form->ListBox1, 1, Qt::ControlModifier);
  ExpectState(false, false, {}, {});

  ClickItem(*form->ListBox2, 0);
  ClickItem(*form->ListBox2, 0, Qt::ControlModifier);
  ExpectState(false, false, {}, {});
}

TEST_F(SelectionRuleTest, KeyboardSelectionCountsAsTheUsers) {
  ClickItem(*form->ListBox2, 0);
  form->ListBox1->setFocus();
  QTest::keyClick(form->ListBox1, Qt::Key_Down);
  EXPECT_TRUE(form->BitBtn1->isEnabled());
  EXPECT_TRUE(SelectedRows(*form->ListBox2).empty());
}

TEST_F(WindowTest, AnEmptyListShowsFocusWhenTabbedInto) {
  Start();
  QuantityListBox& list = *form->ListBox1;
  ASSERT_EQ(list.count(), 0);
  const QImage unfocused = list.grab().toImage();
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form));
  for (int tab = 0; tab < 10 && !list.hasFocus(); ++tab) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  ASSERT_TRUE(list.hasFocus());
  EXPECT_NE(list.grab().toImage(), unfocused);
}

// The program's own selection changes (a reset, a refill, a move) must not
// come back as a user's selection change.
TEST_F(SelectionRuleTest, ProgramChangesAreNotNotified) {
  QSignalSpy oldSpy(form->ListBox1, &QuantityListBox::userSelectionChanged);
  QSignalSpy siSpy(form->ListBox2, &QuantityListBox::userSelectionChanged);
  ClickItem(*form->ListBox1, 0);
  ASSERT_EQ(oldSpy.count(), 1);

  form->Transdata(1, 1);  // a command on the other page deselects item 0
  ClickItem(*form->ListBox1, 1);
  QTest::mouseClick(form->BitBtnBorSet, Qt::LeftButton);
  QTest::mouseClick(windows->FormBorSel.BitBtnExit, Qt::LeftButton);  // refills, selection gone
  ClickItem(*form->ListBox1, 2);
  PressToSi();  // moves the item, resets the selection
  EXPECT_EQ(oldSpy.count(), 3);
  EXPECT_EQ(siSpy.count(), 0);
  EXPECT_EQ(Captions(*form->ListBox2).back(), kCriticalPressure);
}

}  // namespace
}  // namespace siconv
