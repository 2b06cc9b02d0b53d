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

#include "browser/window_layout.h"
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

// Each control draws in one gothic at the layout table's pixel size,
// fixed-width where the table says so, at the table's height (a list's rows
// at its item height); no radio caption reaches the edge of its button.
TEST_F(WindowTest, OneGothicPerControlAtTheLayoutsSizes) {
  OpenExample("old-units");
  TFormBorSel& settings = windows->FormBorSel;
  const auto rowHeight = [](QListWidget* list) {
    return list->visualItemRect(list->item(0)).height();
  };
  struct Figure {
    const char* name;
    const WindowLayout& layout;
    QWidget* control;
    int height;  // the control's, or a row's of a list
  };
  const Figure figures[] = {
      {"Label1", MainFormLayout(), form->Label1, form->Label1->height()},
      {"ListBox1", MainFormLayout(), form->ListBox1, rowHeight(form->ListBox1)},
      {"BitBtnBorSet", MainFormLayout(), form->BitBtnBorSet, form->BitBtnBorSet->height()},
      {"DriveComboBox", MainFormLayout(), form->DriveComboBox, form->DriveComboBox->height()},
      {"DirectoryListBox", MainFormLayout(), form->DirectoryListBox,
       rowHeight(form->DirectoryListBox)},
      {"RadioButton2", FormBorSelLayout(), settings.RadioButton2, settings.RadioButton2->height()},
  };
  for (const Figure& f : figures) {
    const ControlLayout& table = Control(f.layout, f.name);
    const FontSpec spec = table.font.pixelHeight != 0 ? table.font : f.layout.font;
    const QFont font = f.control->font();
    const QFontMetrics metrics(font);
    EXPECT_EQ(FamiliesDrawing(font), QStringList{QFontInfo(font).family()}) << f.name;
    EXPECT_EQ(font.pixelSize(), spec.pixelHeight) << f.name;
    EXPECT_EQ(metrics.horizontalAdvance('i') == metrics.horizontalAdvance('m'),
              spec.face == FontFace::Fixed)
        << f.name;
    EXPECT_EQ(f.height, table.itemHeight != 0 ? table.itemHeight : table.place.height) << f.name;
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
