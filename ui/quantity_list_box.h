#pragma once
// A list of quantity captions with extended selection (click, Ctrl+click,
// Shift+click). userSelectionChanged fires only when the user changes the
// selection: every change the program makes goes through the methods below,
// which keep the list's signals blocked meanwhile.
#include <QListWidget>
#include <string>
#include <vector>

namespace siconv {

class QuantityListBox : public QListWidget {
  Q_OBJECT
 public:
  explicit QuantityListBox(QWidget* parent = nullptr);

  QString Text(int index) const { return item(index)->text(); }
  bool Selected(int index) const { return item(index)->isSelected(); }
  int SelCount() const { return static_cast<int>(selectedItems().size()); }

  void Fill(const std::vector<std::string>& captions);
  void Append(const QString& caption);
  void Delete(int index);
  void DeselectAll();

 signals:
  void userSelectionChanged();
};

}  // namespace siconv
