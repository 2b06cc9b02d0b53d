#include "ui/form_bor_sel.h"

#include <QProxyStyle>
#include <QRadioButton>
#include <array>

#include "engine/quantity_catalogue.h"
#include "ui/fonts.h"
#include "ui/guarded_handler.h"
#include "ui/main_form.h"
#include "ui/window_placement.h"

namespace siconv {
namespace {

constexpr QSize kClientSize(567, 305);

using Layout = Ui::FormBorSelLayout;

struct UnitRow {
  QRadioButton* Layout::*oldUnit;
  QRadioButton* Layout::*siUnit;
};

// One row per quantity, in QuantityIndex order.
constexpr std::array<UnitRow, kQuantityCount> kRows{{
    {&Layout::RadioButton1, &Layout::RadioButton2},
    {&Layout::RadioButton3, &Layout::RadioButton4},
    {&Layout::RadioButton5, &Layout::RadioButton6},
    {&Layout::RadioButton7, &Layout::RadioButton8},
    {&Layout::RadioButton9, &Layout::RadioButton10},
    {&Layout::RadioButton11, &Layout::RadioButton12},
}};

// The style's gap between a radio circle and its caption would let "kN/m2"
// reach the edge of its 57-pixel button; a Windows radio button leaves less.
class NarrowCaptionGap : public QProxyStyle {
 public:
  explicit NarrowCaptionGap(QObject* owner) { setParent(owner); }

  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    if (metric == PM_RadioButtonLabelSpacing) return kCaptionGap;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }

 private:
  static constexpr int kCaptionGap = 3;
};

}  // namespace

TFormBorSel::TFormBorSel(TmainForm& mainForm) : QDialog(&mainForm), mainForm_(mainForm) {
  setupUi(this);
  SetControlFonts(*this, ProportionalGothic(12));
  auto* narrow = new NarrowCaptionGap(this);
  for (QRadioButton* radio : findChildren<QRadioButton*>()) radio->setStyle(narrow);
  setFixedSize(kClientSize);
  PlaceCentred(*this, kClientSize);
  ErrorUi& errors = mainForm.Errors();
  ConnectGuarded(BitBtnExit, &QPushButton::clicked, this, errors, [this] { BitBtnExitClick(); });
  ConnectGuarded(BitBtnCancel, &QPushButton::clicked, this, errors,
                 [this] { BitBtnCancelClick(); });
}

QRadioButton* TFormBorSel::OldUnitButton(int k) const {
  return this->*kRows.at(k).oldUnit;
}

QRadioButton* TFormBorSel::SiUnitButton(int k) const {
  return this->*kRows.at(k).siUnit;
}

void TFormBorSel::ShowUnitTypes() {
  for (int k = 0; k < kQuantityCount; ++k) {
    (mainForm_.UnitType[k] == 1 ? SiUnitButton(k) : OldUnitButton(k))->setChecked(true);
  }
}

void TFormBorSel::ApplyUnitTypes() {
  UnitTypes units{};
  for (int k = 0; k < kQuantityCount; ++k) units[k] = SiUnitButton(k)->isChecked() ? 1 : 0;
  mainForm_.Model().DeclareUnits(units);
}

void TFormBorSel::BitBtnExitClick() {
  ApplyUnitTypes();
  mainForm_.ListSeirifromBrDatSet();
  close();
}

}  // namespace siconv
