// The main window's folder road: drive chooser, folder list, folder scan.
#include <QScopeGuard>

#include "ui/main_form.h"

namespace siconv {

// Whether the move succeeds or not, the chooser ends up showing the volume of
// the folder the list stands on.
void TmainForm::DriveComboBoxChange(int index) {
  const auto showCurrent =
      qScopeGuard([this] { DriveComboBox->setCurrentIndex(model_.Volumes().CurrentIndex()); });
  if (model_.ChooseVolume(index)) DirectoryListBoxChange();
}

// A refused move leaves the highlight on the folder the list stands on, not
// on the item that was double-clicked.
void TmainForm::OpenFolderItem(int index) {
  const auto showCurrent =
      qScopeGuard([this] { DirectoryListBox->setCurrentRow(model_.Folders().CurrentItemIndex()); });
  if (model_.OpenFolderItem(index)) DirectoryListBoxChange();
}

// Runs after every folder scan, which the model has done in full: every
// control follows the new folder, and an earlier status text is gone.
void TmainForm::DirectoryListBoxChange() {
  DirectoryListBox->ShowItems(model_.Folders());
  DriveComboBox->setCurrentIndex(model_.Volumes().CurrentIndex());
  ShowLists();
  ShowStatus("");
}

}  // namespace siconv
