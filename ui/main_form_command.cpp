// The main window's selection rule and conversion command: the model decides,
// the handlers draw.
#include <QScopeGuard>

#include "ui/main_form.h"

namespace siconv {
namespace {

constexpr const char* kCommandDone = "変換を終了しました。";
constexpr const char* kCommandFailed = "変換に失敗しました。";

}  // namespace

void TmainForm::ShowLists() {
  ListBox1->Show(model_.List(kOldList));
  ListBox2->Show(model_.List(kSiList));
  BitBtn1->setEnabled(model_.Arrows().toSi);
  BitBtn2->setEnabled(model_.Arrows().toOld);
}

void TmainForm::SetButtonState(int origin, int page) {
  model_.SetButtonState(origin, page);
  ShowLists();
}

void TmainForm::ListBoxOld1Click() {
  model_.SelectRows(kOldList, ListBox1->Selection());
  ShowLists();
}

void TmainForm::ListBox4Click() {
  model_.SelectRows(kSiList, ListBox2->Selection());
  ShowLists();
}

// A command that raises still ends with its outcome in the status bar, so
// no progress text of this or an earlier command stays behind.
void TmainForm::Transdata(int direction, int page) {
  bool success = false;
  const auto report = qScopeGuard([&] {
    ShowLists();
    // Enabling a running timer must not restart its period.
    if (!Timer.isActive()) Timer.start();
    ShowStatus(success ? kCommandDone : kCommandFailed);
  });
  success = page != 0 || model_.Convert(direction, *this);
  model_.SetButtonState(-1, page);
}

void TmainForm::TimerTimer() {
  Timer.stop();
  ShowStatus("");
}

void TmainForm::ListSeirifromBrDatSet() {
  model_.ListAllQuantities();
  ShowLists();
}

}  // namespace siconv
