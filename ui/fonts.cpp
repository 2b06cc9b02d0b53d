#include "ui/fonts.h"

#include <QStringList>

namespace siconv {
namespace {

QFont FirstInstalled(const QStringList& families, int pixelSize) {
  QFont font;
  font.setFamilies(families);
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

}  // namespace siconv
