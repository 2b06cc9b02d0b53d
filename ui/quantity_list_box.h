#pragma once
// A list of quantity captions with extended selection (click, Ctrl+click,
// Shift+click, Ctrl+Shift+click). userSelectionChanged fires only when the user changes the
// selection: every change the program makes goes through the methods below,
// which keep the list's signals blocked meanwhile.
#include <QListWidget>
#include <string>
#include <vector>

#include "browser/main_window_model.h"

namespace siconv {

class QuantityListBox : public QListWidget {
  Q_OBJECT
 public:
  explicit QuantityListBox(QWidget* parent = nullptr);

  QString Text(int index) const { return item(index)->text(); }
  bool Selected(int index) const { return item(index)->isSelected(); }

  // Shows the list's captions and selection; the items are rebuilt only when
  // the captions changed, so the anchor of a range selection stays.
  void Show(const QuantityList& list);
  std::vector<bool> Selection() const;

 signals:
  void userSelectionChanged();

 protected:
  // An empty list still shows that it has the focus.
  void paintEvent(QPaintEvent* event) override;
  // Shift+click selects the range from the anchor and clears the rest;
  // Ctrl+Shift+click adds the range, as the platform's lists do.
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;
};

}  // namespace siconv
