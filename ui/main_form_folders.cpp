// The main window's folder controls as the shared handlers draw them.
#include "ui/main_form.h"

namespace siconv {

void TmainForm::ShowFolders() {
  DirectoryListBox->ShowItems(model_.Folders());
  DriveComboBox->setCurrentIndex(model_.Volumes().CurrentIndex());
}

}  // namespace siconv
