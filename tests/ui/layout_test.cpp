// Places measured as the user sees them: the notebook page, the tool buttons
// and the settings dialog's frame.
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QToolButton>

#include "tests/ui/window_test_support.h"

namespace siconv {
namespace {

TEST_F(WindowTest, ControlsSitWhereTheLayoutPutsThem) {
  Start();
  const auto toolButton = [&](QAction* action) {
    return form->CoolBar1->widgetForAction(action)->geometry();
  };
  const std::pair<const char*, QPoint> places[] = {
      {"page", form->Boring->mapTo(form->TabbedNotebook1, QPoint())},
      {"SpeedButton1", toolButton(form->SpeedButton1).topLeft()},
      {"SpeedButton2", toolButton(form->SpeedButton2).topLeft()},
      {"GroupBox3", form->GroupBox3->mapTo(form, QPoint())},
      {"TabbedNotebook1", form->TabbedNotebook1->mapTo(form, QPoint())},
      {"StatusBar", form->StatusBar->mapTo(form, QPoint())},
  };
  const QPoint expected[] = {{4, 23}, {0, 0}, {64, 0}, {24, 80}, {248, 80}, {0, 402}};
  for (std::size_t i = 0; i < std::size(places); ++i) {
    EXPECT_EQ(places[i].second, expected[i]) << places[i].first;
  }
  EXPECT_EQ(toolButton(form->SpeedButton2).size(), QSize(65, 49));
}

// GroupBox1 has no caption: its frame is drawn at its top, y = 16.
TEST_F(WindowTest, TheSettingsFrameIsDrawnAtItsPlace) {
  Start();
  TFormBorSel& dialog = windows->FormBorSel;
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  const QImage picture = dialog.grab().toImage();
  const int x = dialog.GroupBox1->x() + dialog.GroupBox1->width() / 2;
  int top = -1;
  for (int y = 0; y < 60 && top < 0; ++y) {
    if (qGray(picture.pixel(x, y)) < qGray(picture.pixel(x, 2)) - 20) top = y;
  }
  EXPECT_EQ(top, 16);
}

}  // namespace
}  // namespace siconv
