#pragma once
// Panel 0 of the status bar: a label that fills the bar's whole height up to
// the size grip. QStatusBar's own layout keeps 5 of a 17-pixel bar's rows
// empty, which cuts off descenders and underscores.
#include <QLabel>

class QStatusBar;

namespace siconv {

class StatusPanel : public QLabel {
  Q_OBJECT
 public:
  explicit StatusPanel(QStatusBar& bar);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FillBar();
};

}  // namespace siconv
