// Return presses the focused push button in the main window and in both
// dialogs, as Space does; Escape closes only a dialog that has a cancel button.
#include <QSignalSpy>
#include <QTest>

#include "tests/ui/window_test_support.h"

namespace siconv {
namespace {

TEST_F(WindowTest, ReturnPressesTheFocusedButtonAndEscapeFollowsTheCancelButton) {
  OpenExample("old-units");
  ClickItem(*form->ListBox1, 0);
  TFormBorSel& settings = windows->FormBorSel;
  TFormVersion& version = windows->FormVersion;
  settings.show();
  version.show();
  for (QPushButton* button : {form->BitBtn1, form->BitBtnBorSet, settings.BitBtnExit,
                              settings.BitBtnCancel, version.Button1}) {
    button->window()->show();
    QSignalSpy pressed(button, &QPushButton::clicked);
    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_EQ(pressed.count(), 1) << button->objectName().toStdString();
  }
  EXPECT_EQ(form->ListBox2->count(), 1);

  settings.show();
  version.show();
  QTest::keyClick(&version, Qt::Key_Escape);
  QTest::keyClick(&settings, Qt::Key_Escape);
  EXPECT_TRUE(version.isVisible());
  EXPECT_FALSE(settings.isVisible());
}

}  // namespace
}  // namespace siconv
