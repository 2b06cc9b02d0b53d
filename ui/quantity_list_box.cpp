#include "ui/quantity_list_box.h"

#include <QSignalBlocker>

namespace siconv {
namespace {

constexpr int kItemHeight = 14;

}  // namespace

QuantityListBox::QuantityListBox(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setUniformItemSizes(true);
  connect(this, &QListWidget::itemSelectionChanged, this, &QuantityListBox::userSelectionChanged);
}

void QuantityListBox::Fill(const std::vector<std::string>& captions) {
  const QSignalBlocker quiet(this);
  clear();
  for (const std::string& caption : captions) Append(QString::fromStdString(caption));
}

void QuantityListBox::Append(const QString& caption) {
  const QSignalBlocker quiet(this);
  auto* entry = new QListWidgetItem(caption, this);
  entry->setSizeHint(QSize(0, kItemHeight));
}

void QuantityListBox::Delete(int index) {
  const QSignalBlocker quiet(this);
  delete takeItem(index);
}

void QuantityListBox::DeselectAll() {
  const QSignalBlocker quiet(this);
  for (int i = 0; i < count(); ++i) item(i)->setSelected(false);
}

}  // namespace siconv
