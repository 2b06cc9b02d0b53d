#include "ui/directory_list_box.h"

#include <QKeyEvent>
#include <QStyledItemDelegate>

#include "browser/folder_display_name.h"

namespace siconv {
namespace {

constexpr int kItemHeight = 16;
constexpr int kIndentStep = 8;
constexpr int kDepthRole = Qt::UserRole;

// Shifts each item right by its depth, icon and highlight included.
class IndentDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem shifted(option);
    shifted.rect.setLeft(option.rect.left() + index.data(kDepthRole).toInt() * kIndentStep);
    QStyledItemDelegate::paint(painter, shifted, index);
  }
};

QIcon IconOf(FolderKind kind) {
  switch (kind) {
    case FolderKind::OpenFolder:
      return QIcon(QStringLiteral(":/siconv/OPENFOLDER.svg"));
    case FolderKind::CurrentFolder:
      return QIcon(QStringLiteral(":/siconv/CURRENTFOLDER.svg"));
    case FolderKind::ClosedFolder:
      break;
  }
  return QIcon(QStringLiteral(":/siconv/CLOSEDFOLDER.svg"));
}

}  // namespace

DirectoryListBox::DirectoryListBox(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  setIconSize(QSize(16, 16));
  setItemDelegate(new IndentDelegate(this));
  connect(this, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { emit openRequested(row(item)); });
}

void DirectoryListBox::ShowItems(const FolderListModel& model) {
  clear();
  for (const FolderItem& folder : model.Items()) {
    auto* item = new QListWidgetItem(IconOf(folder.kind),
                                     QString::fromStdString(FolderDisplayName(folder.text)), this);
    item->setData(kDepthRole, folder.depth);
    item->setSizeHint(QSize(0, kItemHeight));
  }
  setCurrentRow(model.CurrentItemIndex());
}

void DirectoryListBox::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && currentRow() >= 0) {
    emit openRequested(currentRow());
    return;
  }
  QListWidget::keyPressEvent(event);
}

}  // namespace siconv
