#include "ui/form_bor_sel.h"

#include <QRadioButton>
#include <array>

#include "browser/unit_declaration.h"
#include "ui/fonts.h"
#include "ui/guarded_handler.h"
#include "ui/main_form.h"
#include "ui/window_placement.h"

namespace siconv {

TFormBorSel::TFormBorSel(TmainForm& mainForm) : QDialog(&mainForm), mainForm_(mainForm) {
  setupUi(this);
  setFont(ProportionalGothic(12));
  setFixedSize(ClientSize(siconv::FormBorSelLayout()));
  PlaceCentred(*this, ClientSize(siconv::FormBorSelLayout()));
  ErrorUi& errors = mainForm.Errors();
  ConnectGuarded(BitBtnExit, &QPushButton::clicked, this, errors, [this] { BitBtnExitClick(); });
  ConnectGuarded(BitBtnCancel, &QPushButton::clicked, this, errors,
                 [this] { BitBtnCancelClick(); });
}

QRadioButton* TFormBorSel::OldUnitButton(int k) const {
  return findChild<QRadioButton*>(QString::fromStdString(OldUnitButtonName(k)));
}

QRadioButton* TFormBorSel::SiUnitButton(int k) const {
  return findChild<QRadioButton*>(QString::fromStdString(SiUnitButtonName(k)));
}

void TFormBorSel::ShowUnitTypes() {
  for (int k = 0; k < kQuantityCount; ++k) {
    (ShownAsSi(mainForm_.UnitType[k]) ? SiUnitButton(k) : OldUnitButton(k))->setChecked(true);
  }
}

void TFormBorSel::ApplyUnitTypes() {
  std::array<bool, kQuantityCount> siChecked{};
  for (int k = 0; k < kQuantityCount; ++k) siChecked[k] = SiUnitButton(k)->isChecked();
  DeclareUnits(mainForm_.Model(), siChecked);
  mainForm_.ShowLists();
}

void TFormBorSel::BitBtnExitClick() {
  ApplyUnitTypes();
  close();
}

}  // namespace siconv
