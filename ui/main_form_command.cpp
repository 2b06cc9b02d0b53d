// The main window's lists, arrows and status timer as the shared handlers
// draw them.
#include "ui/main_form.h"

namespace siconv {

void TmainForm::ShowLists() {
  ListBox1->Show(model_.List(kOldList));
  ListBox2->Show(model_.List(kSiList));
  BitBtn1->setEnabled(model_.Arrows().toSi);
  BitBtn2->setEnabled(model_.Arrows().toOld);
}

void TmainForm::ListBoxOld1Click() {
  SelectRows(model_, *this, kOldList, ListBox1->Selection());
}

void TmainForm::ListBox4Click() {
  SelectRows(model_, *this, kSiList, ListBox2->Selection());
}

void TmainForm::Transdata(int direction, int page) {
  RunCommand(model_, *this, *this, direction, page);
}

void TmainForm::SetTimerEnabled(bool enabled) {
  if (enabled) {
    Timer.start();
  } else {
    Timer.stop();
  }
}

}  // namespace siconv
