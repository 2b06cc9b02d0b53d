// The status bar shows its text whole: the glyphs' lowest dark pixels, an
// underscore's included, lie inside the bar.
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QStatusBar>

#include "tests/ui/window_test_support.h"

namespace siconv {
namespace {

// The first and last pixel rows holding a dark pixel; {-1, -1} when none.
std::pair<int, int> InkRows(const QImage& image) {
  std::pair<int, int> rows{-1, -1};
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) >= 100) continue;
      if (rows.first < 0) rows.first = y;
      rows.second = y;
      break;
    }
  }
  return rows;
}

// The text drawn with the label's font on a canvas with room all round.
int InkHeight(const QString& text, const QFont& font) {
  QImage canvas(400, 100, QImage::Format_RGB32);
  canvas.fill(Qt::white);
  QPainter painter(&canvas);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(QPoint(10, 50), text);
  painter.end();
  const auto [top, bottom] = InkRows(canvas);
  return bottom - top + 1;
}

TEST_F(WindowTest, StatusTextFitsIntoTheBar) {
  Start();
  const QString text = QStringLiteral("変換中.../tmp/long_folder_name/jgpq.TXT");
  form->ShowStatus(text.toStdString());
  const QLabel& panel = *form->StatusBar->findChild<QLabel*>();
  const QImage bar = form->StatusBar->grab().toImage();
  ASSERT_EQ(bar.height() / bar.devicePixelRatio(), 17);
  const auto [top, bottom] = InkRows(bar.copy(0, 0, bar.width() - 20, bar.height()));
  ASSERT_GE(top, 1);
  EXPECT_LT(bottom, bar.height() - 1);
  EXPECT_EQ(bottom - top + 1, InkHeight(text, panel.font()));
}

}  // namespace
}  // namespace siconv
