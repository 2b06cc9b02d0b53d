#pragma once
// The initial-unit settings dialog: one pair of radio buttons per quantity
// (old unit, SI unit), preset from the main window's UnitType. "実行(&O)"
// declares the units without converting anything; "ｷｬﾝｾﾙ(&C)" changes
// nothing. Created hidden at start, shown without being modal.
#include <QDialog>

#include "ui_form_bor_sel.h"

class QRadioButton;

namespace siconv {

class TmainForm;

class TFormBorSel : public QDialog, public Ui::FormBorSelLayout {
  Q_OBJECT
 public:
  explicit TFormBorSel(TmainForm& mainForm);

  void ShowUnitTypes();
  // The declaration: UnitType and both lists follow the radio buttons.
  void ApplyUnitTypes();

 private:
  void BitBtnExitClick();
  void BitBtnCancelClick() { close(); }

  // Row k: RadioButton 2k+1 (old unit) and 2k+2 (SI unit).
  QRadioButton* OldUnitButton(int k) const;
  QRadioButton* SiUnitButton(int k) const;

  TmainForm& mainForm_;
};

}  // namespace siconv
