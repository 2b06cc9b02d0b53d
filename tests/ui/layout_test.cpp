// Places measured as the user sees them: the notebook page, the tool buttons,
// the settings dialog's frame, the fonts and the heights of rows and captions.
#include <QFontInfo>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextLayout>
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

// The families that draw text in font: one, Latin included.
QStringList FamiliesDrawing(const QFont& font) {
  QTextLayout layout(QStringLiteral("kgf/cm2 Boring 2023 旧単位"), font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  QStringList families;
  for (const QGlyphRun& run : layout.glyphRuns()) families << run.rawFont().familyName();
  families.removeDuplicates();
  return families;
}

// Each control draws in one gothic at the layout's pixel size, fixed-width for
// the folder controls, at the layout's heights; no radio caption reaches the
// edge of its button.
TEST_F(WindowTest, OneGothicPerControlAtTheLayoutsSizes) {
  OpenExample("old-units");
  TFormBorSel& settings = windows->FormBorSel;
  const auto rowHeight = [](QListWidget* list) {
    return list->visualItemRect(list->item(0)).height();
  };
  struct Figure {
    const char* name;
    QWidget* control;
    int pixelSize;
    bool fixedWidth;
    int height;  // the control's, or a row's of a list
    int layoutHeight;
  };
  const Figure figures[] = {
      {"Label1", form->Label1, 12, false, form->Label1->height(), 12},
      {"ListBox1", form->ListBox1, 12, false, rowHeight(form->ListBox1), 12},
      {"BitBtnBorSet", form->BitBtnBorSet, 12, false, form->BitBtnBorSet->height(), 28},
      {"DriveComboBox", form->DriveComboBox, 13, true, form->DriveComboBox->height(), 19},
      {"DirectoryListBox", form->DirectoryListBox, 13, true, rowHeight(form->DirectoryListBox), 16},
      {"RadioButton2", settings.RadioButton2, 12, false, settings.RadioButton2->height(), 17},
  };
  for (const Figure& f : figures) {
    const QFont font = f.control->font();
    const QFontMetrics metrics(font);
    EXPECT_EQ(FamiliesDrawing(font), QStringList{QFontInfo(font).family()}) << f.name;
    EXPECT_EQ(font.pixelSize(), f.pixelSize) << f.name;
    EXPECT_EQ(metrics.horizontalAdvance('i') == metrics.horizontalAdvance('m'), f.fixedWidth)
        << f.name;
    EXPECT_EQ(f.height, f.layoutHeight) << f.name;
  }
  for (QRadioButton* radio : settings.findChildren<QRadioButton*>()) {
    QStyleOptionButton option;
    option.initFrom(radio);
    const int captionLeft =
        radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio).left();
    EXPECT_LT(captionLeft + QFontMetrics(radio->font()).horizontalAdvance(radio->text()),
              radio->width())
        << radio->objectName().toStdString();
  }
}

}  // namespace
}  // namespace siconv
