#include "ui/status_panel.h"

#include <QEvent>
#include <QStatusBar>

namespace siconv {
namespace {

constexpr int kLeft = 2;
constexpr int kGripWidth = 16;

}  // namespace

StatusPanel::StatusPanel(QStatusBar& bar) : QLabel(&bar) {
  setContentsMargins(0, 0, 0, 0);
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  bar.installEventFilter(this);
  FillBar();
}

bool StatusPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize) FillBar();
  return QLabel::eventFilter(watched, event);
}

void StatusPanel::FillBar() {
  const QWidget& bar = *parentWidget();
  setGeometry(kLeft, 0, qMax(0, bar.width() - kLeft - kGripWidth), bar.height());
}

}  // namespace siconv
