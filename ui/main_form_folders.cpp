// The main window's folder road: drive chooser, folder list, folder scan.
#include <QScopeGuard>

#include "state/folder_hold.h"
#include "state/folder_scan.h"
#include "state/unit_type_file.h"
#include "ui/main_form.h"

namespace siconv {

// Whether the move succeeds or not, the chooser ends up showing the volume of
// the folder the list stands on.
void TmainForm::DriveComboBoxChange(int index) {
  const auto showCurrent =
      qScopeGuard([this] { DriveComboBox->setCurrentIndex(volumes_.CurrentIndex()); });
  volumes_.Choose(index, folderList_);
}

// Runs once after every move of the folder list.
void TmainForm::FolderChanged() {
  volumes_.FolderChanged(folderList_.CurrentFolder());
  DirectoryListBox->ShowItems(folderList_);
  DirectoryListBoxChange();
}

// The folder scan. A folder whose files or SICONV.INI cannot be read raises
// before the data folder, UnitType or the lists change.
void TmainForm::DirectoryListBoxChange() {
  const FolderHold hold(folderList_.CurrentFolder());
  const UnitTypes units = ReadUnitTypeFile(folderList_.CurrentFolder());
  fileList_.SetFolder(folderList_.CurrentFolder());
  UnitType = units;
  const QuantityLists lists = ScanQuantities(fileList_.Names(), UnitType);
  ListBox1->Fill(lists.oldUnits);
  ListBox2->Fill(lists.siUnits);
  SetButtonState(-1, 0);
}

}  // namespace siconv
