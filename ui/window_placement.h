#pragma once
// Windows of fixed layout: their client size, their place in the middle of
// the screen, and how the modeless ones are brought up.
#include <QSize>

#include "browser/window_layout.h"

class QWidget;

namespace siconv {

QSize ClientSize(const WindowLayout& layout);
QSize SizeOf(const Place& place);

void PlaceCentred(QWidget& window, QSize clientSize);

// Shows a window without making it modal: visible and in front.
void ShowModeless(QWidget& window);

}  // namespace siconv
