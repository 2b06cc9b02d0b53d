#include "ui/window_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace siconv {

QSize ClientSize(const WindowLayout& layout) {
  return {layout.clientWidth, layout.clientHeight};
}

QSize SizeOf(const Place& place) {
  return {place.width, place.height};
}

namespace {

// The top-left corner that puts a box of this size in the middle of the screen.
QPoint CentredCorner(QSize size) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {};
  QRect place(QPoint(), size);
  place.moveCenter(screen->availableGeometry().center());
  return place.topLeft();
}

QMargins FrameMargins(const QWidget& window) {
  const QWindow* handle = window.windowHandle();
  return handle == nullptr ? QMargins() : handle->frameMargins();
}

// A window manager frames a window only once it is shown, so the frame's size
// is unknown when the window is placed. This waits for the frame's extents and
// centres the window again, frame included, then removes itself.
class FrameCentring : public QObject {
 public:
  explicit FrameCentring(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type != QEvent::Show && type != QEvent::Move && type != QEvent::Resize) return false;
    auto& window = static_cast<QWidget&>(*watched);
    const QMargins frame = FrameMargins(window);
    if (frame.isNull()) return false;
    window.removeEventFilter(this);
    window.move(CentredCorner(window.size().grownBy(frame)));
    deleteLater();
    return false;
  }
};

}  // namespace

void PlaceCentred(QWidget& window, QSize clientSize) {
  window.resize(clientSize);
  // A top-level window's position is its frame's; without a frame yet the
  // client's size is the best estimate.
  window.move(CentredCorner(clientSize.grownBy(FrameMargins(window))));
  new FrameCentring(window);
}

void ShowModeless(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace siconv
