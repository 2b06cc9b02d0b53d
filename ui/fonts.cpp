#include "ui/fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <QWidget>

namespace siconv {
namespace {

// One family, the first installed: a family list, or a name that is not
// installed, lets the font system draw Latin text in its default font.
QFont FirstInstalled(const QStringList& families, int pixelSize) {
  const QStringList installed = QFontDatabase::families();
  QFont font;
  for (const QString& family : families) {
    if (installed.contains(family)) {
      font.setFamily(family);
      break;
    }
  }
  font.setPixelSize(pixelSize);
  return font;
}

}  // namespace

QFont ProportionalGothic(int pixelSize) {
  return FirstInstalled({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                         QStringLiteral("VL PGothic"), QStringLiteral("Noto Sans CJK JP"),
                         QStringLiteral("IPAPGothic")},
                        pixelSize);
}

QFont FixedGothic(int pixelSize) {
  return FirstInstalled(
      {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"), QStringLiteral("VL Gothic"),
       QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("IPAGothic")},
      pixelSize);
}

void SetControlFonts(QWidget& window, const QFont& font) {
  window.setFont(font);
  for (QWidget* control : window.findChildren<QWidget*>()) {
    if (!control->testAttribute(Qt::WA_SetFont)) control->setFont(font);
  }
}

}  // namespace siconv
