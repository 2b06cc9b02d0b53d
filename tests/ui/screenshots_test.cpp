// Saves pictures of the windows under <build>/screenshots for people to look
// at: the main window before and after a conversion, and both dialogs.
#include <QDir>
#include <QTest>

#include "tests/ui/window_test_support.h"

namespace siconv {
namespace {

void Save(QWidget& window, const QString& name, QSize clientSize) {
  const QString folder = QStringLiteral(SICONV_BINARY_DIR "/screenshots");
  ASSERT_TRUE(QDir().mkpath(folder));
  const QPixmap picture = window.grab();
  EXPECT_EQ(picture.size() / picture.devicePixelRatio(), clientSize) << name.toStdString();
  EXPECT_TRUE(picture.save(folder + "/" + name)) << name.toStdString();
}

TEST_F(WindowTest, SavesScreenshots) {
  OpenExample("old-units");
  ClickItem(*form->ListBox1, 0);
  ClickItem(*form->ListBox1, 2, Qt::ControlModifier);
  Save(*form, "main-before.png", {728, 419});

  PressToSi();
  ClickItem(*form->ListBox2, 1);
  Save(*form, "main-after.png", {728, 419});

  QTest::mouseClick(form->BitBtnBorSet, Qt::LeftButton);
  Save(windows->FormBorSel, "settings-dialog.png", {567, 305});
  QTest::mouseClick(form->CoolBar1->widgetForAction(form->SpeedButton2), Qt::LeftButton);
  Save(windows->FormVersion, "version-dialog.png", {432, 108});
}

}  // namespace
}  // namespace siconv
