#include "ui/directory_list_box.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <QToolTip>

#include "browser/folder_display_name.h"
#include "browser/folder_list_tips.h"
#include "browser/window_layout.h"

namespace siconv {
namespace {

constexpr int kDepthRole = Qt::UserRole;

// Shifts each item right by its depth, icon and highlight included.
class IndentDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyledItemDelegate::paint(painter, Shifted(option, index), index);
  }

  // The tooltip the folder list's rule gives for the item under the pointer.
  bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                 const QModelIndex& index) override {
    const auto* list = qobject_cast<const DirectoryListBox*>(view);
    if (!index.isValid() || event->type() != QEvent::ToolTip || list->Folders() == nullptr) {
      return false;
    }
    QStyleOptionViewItem shifted = Shifted(option, index);
    initStyleOption(&shifted, index);
    const QStyle* style = view->style();
    const int margins = 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
    const int room = style->subElementRect(QStyle::SE_ItemViewItemText, &shifted, view).width();
    const int width = shifted.fontMetrics.horizontalAdvance(shifted.text) + margins;
    const std::string tip = FolderItemTip(*list->Folders(), index.row(), width, room);
    QToolTip::showText(event->globalPos(), QString::fromStdString(tip), view);
    return true;
  }

 private:
  static QStyleOptionViewItem Shifted(const QStyleOptionViewItem& option,
                                      const QModelIndex& index) {
    QStyleOptionViewItem shifted(option);
    shifted.rect.setLeft(option.rect.left() + index.data(kDepthRole).toInt() * kFolderIndentStep);
    return shifted;
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
  folders_ = &model;
  clear();
  for (const FolderItem& folder : model.Items()) {
    auto* item = new QListWidgetItem(IconOf(folder.kind),
                                     QString::fromStdString(FolderDisplayName(folder.text)), this);
    item->setData(kDepthRole, folder.depth);
    item->setSizeHint(QSize(0, Control(MainFormLayout(), "DirectoryListBox").itemHeight));
  }
  setCurrentRow(model.CurrentItemIndex());
  setToolTip(QString::fromStdString(FolderListHint(model)));
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
