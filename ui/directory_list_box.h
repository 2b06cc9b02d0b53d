#pragma once
// The folder list: the items of a FolderListModel with their folder icons,
// indented by depth, the current folder highlighted. A double-click or Enter
// asks for a move (openRequested); a click or the arrow keys only move the
// highlight. Its hint is the whole path of the folder it stands on.
#include <QListWidget>

#include "browser/folder_list_model.h"

namespace siconv {

class DirectoryListBox : public QListWidget {
  Q_OBJECT
 public:
  explicit DirectoryListBox(QWidget* parent = nullptr);

  // Draws model's items; the list keeps model for its tooltips.
  void ShowItems(const FolderListModel& model);
  const FolderListModel* Folders() const { return folders_; }

 signals:
  void openRequested(int index);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  const FolderListModel* folders_ = nullptr;
};

}  // namespace siconv
