// The state the program starts in, and how the window
// behaves when resized and closed.
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "tests/ui/window_test_support.h"

namespace siconv {
namespace {

TEST_F(WindowTest, StartsWithTheDialogsHiddenAndNothingToConvert) {
  Start();
  EXPECT_FALSE(windows->FormBorSel.isVisible());
  EXPECT_FALSE(windows->FormVersion.isVisible());
  EXPECT_EQ(windows->FormBorSel.parent(), form);
  EXPECT_EQ(windows->FormVersion.parent(), form);
  EXPECT_EQ(form->TabbedNotebook1->currentIndex(), 0);
  EXPECT_FALSE(form->BitBtn1->isEnabled());
  EXPECT_FALSE(form->BitBtn2->isEnabled());
  EXPECT_FALSE(form->ConvertResults.has_value());
  EXPECT_EQ(form->UnitType, (UnitTypes{}));
  EXPECT_TRUE(form->Timer.isActive());
  EXPECT_EQ(form->Timer.interval(), 1000);
  EXPECT_EQ(form->size(), QSize(728, 419));
  EXPECT_EQ(form->ListBox1->selectionMode(), QAbstractItemView::ExtendedSelection);
  EXPECT_EQ(form->ListBox2->selectionMode(), QAbstractItemView::ExtendedSelection);
}

// A start folder that cannot be listed is reported once and the next taken;
// with none left there are no windows rather than a crash.
TEST_F(WindowTest, StartsOnTheFirstFolderThatCanBeListed) {
  const std::vector<VolumeRecord> volumes = {{"/", "ext4", "/dev/sda1", "", false}};
  const auto windows = CreateProgramWindows(
      errors, {root.Path("gone"), root.Path("gone too"), root.Path()}, volumes);
  ASSERT_NE(windows, nullptr);
  EXPECT_EQ(windows->mainForm.Model().Folders().CurrentFolder(), root.Path());
  EXPECT_EQ(CreateProgramWindows(errors, {root.Path("gone")}, volumes), nullptr);
  EXPECT_EQ(errors.reports.size(), 2u);
}

TEST_F(WindowTest, ResizingMovesOnlyTheToolbarAndTheStatusBar) {
  Start();
  const QRect groupBox = form->GroupBox3->geometry();
  const QPoint notebook = form->TabbedNotebook1->mapTo(form, QPoint());
  form->resize(900, 600);
  QTest::qWait(0);
  EXPECT_EQ(form->GroupBox3->geometry(), groupBox);
  EXPECT_EQ(form->TabbedNotebook1->mapTo(form, QPoint()), notebook);
  EXPECT_EQ(form->CoolBar1->geometry().top(), 0);
  EXPECT_EQ(form->CoolBar1->width(), 900);
  EXPECT_EQ(form->StatusBar->geometry().bottom(), 599);
  EXPECT_EQ(form->StatusBar->width(), 900);
}

// The event loop ends when the main window closes, even with a dialog shown.
TEST_F(WindowTest, TheExitButtonEndsTheProgramAlsoWithADialogOpen) {
  Start();
  QTest::mouseClick(form->CoolBar1->widgetForAction(form->SpeedButton2), Qt::LeftButton);
  ASSERT_TRUE(windows->FormVersion.isVisible());
  QTimer::singleShot(0, form, [this] {
    QTest::mouseClick(form->CoolBar1->widgetForAction(form->SpeedButton1), Qt::LeftButton);
  });
  QTimer::singleShot(5000, form, [] { QApplication::exit(1); });
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_FALSE(form->isVisible());
}

}  // namespace
}  // namespace siconv
