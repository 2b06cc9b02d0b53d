#include "ui/form_bor_sel.h"

#include <QProxyStyle>
#include <QRadioButton>
#include <array>

#include "browser/unit_declaration.h"
#include "ui/fonts.h"
#include "ui/guarded_handler.h"
#include "ui/main_form.h"
#include "ui/window_placement.h"

namespace siconv {
namespace {

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
