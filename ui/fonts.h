#pragma once
// The Japanese fonts of the layouts. The MS fonts are asked for first; where
// they are missing an installed Japanese gothic takes their place at the same
// pixel size.
#include <QFont>

namespace siconv {

QFont ProportionalGothic(int pixelSize);  // "ＭＳ Ｐゴシック"
QFont FixedGothic(int pixelSize);         // "ＭＳ ゴシック"

}  // namespace siconv
