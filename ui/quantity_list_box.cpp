#include "ui/quantity_list_box.h"

#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include "browser/window_layout.h"

namespace siconv {
namespace {

// Both quantity lists have the rows of ListBox1.
int ItemHeight() {
  return Control(MainFormLayout(), "ListBox1").itemHeight;
}

}  // namespace

QuantityListBox::QuantityListBox(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setUniformItemSizes(true);
  connect(this, &QListWidget::itemSelectionChanged, this, &QuantityListBox::userSelectionChanged);
}

void QuantityListBox::Show(const QuantityList& list) {
  const QSignalBlocker quiet(this);
  const int n = static_cast<int>(list.captions.size());
  bool same = count() == n;
  for (int i = 0; same && i < n; ++i) same = Text(i).toStdString() == list.captions[i];
  if (!same) {
    clear();
    for (const std::string& caption : list.captions) {
      auto* entry = new QListWidgetItem(QString::fromStdString(caption), this);
      entry->setSizeHint(QSize(0, ItemHeight()));
    }
  }
  for (int i = 0; i < n; ++i) item(i)->setSelected(list.selected[i]);
}

QItemSelectionModel::SelectionFlags QuantityListBox::selectionCommand(const QModelIndex& index,
                                                                      const QEvent* event) const {
  QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
  const bool press = event != nullptr && event->type() == QEvent::MouseButtonPress;
  if (!press || !index.isValid()) return command;
  const Qt::KeyboardModifiers modifiers = static_cast<const QMouseEvent*>(event)->modifiers();
  if ((modifiers & Qt::ShiftModifier) && !(modifiers & Qt::ControlModifier)) {
    return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Current |
           QItemSelectionModel::Rows;
  }
  return command;
}

void QuantityListBox::paintEvent(QPaintEvent* event) {
  QListWidget::paintEvent(event);
  if (count() > 0 || !hasFocus()) return;
  QStylePainter painter(viewport());
  QStyleOptionFocusRect option;
  option.initFrom(this);
  option.rect = QRect(0, 0, viewport()->width(), ItemHeight());
  painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

std::vector<bool> QuantityListBox::Selection() const {
  std::vector<bool> selected(count());
  for (int i = 0; i < count(); ++i) selected[i] = Selected(i);
  return selected;
}

}  // namespace siconv
