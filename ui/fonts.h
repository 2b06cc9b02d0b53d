#pragma once
// The Japanese fonts of the layouts. The MS fonts are asked for first; where
// they are missing an installed Japanese gothic takes their place at the same
// pixel size. Every text of a control, Latin included, is drawn in that one.
#include <QFont>

class QWidget;

namespace siconv {

QFont ProportionalGothic(int pixelSize);  // "ＭＳ Ｐゴシック"
QFont FixedGothic(int pixelSize);         // "ＭＳ ゴシック"

// The window and each of its controls that has no font of its own get font.
// A window's style sheet keeps its font from its controls otherwise.
void SetControlFonts(QWidget& window, const QFont& font);

}  // namespace siconv
