#include "ui/window_placement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace siconv {

void PlaceCentred(QWidget& window, QSize clientSize) {
  window.resize(clientSize);
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  QRect place(QPoint(), clientSize);
  place.moveCenter(screen->availableGeometry().center());
  window.move(place.topLeft());
}

void ShowModeless(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace siconv
