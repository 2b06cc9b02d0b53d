#include "ui/win32/dialogs_win32.h"

#include "browser/unit_declaration.h"
#include "ui/win32/main_form_win32.h"

namespace siconv {

TFormBorSel::TFormBorSel(TmainForm& mainForm)
    : LayoutWindow(FormBorSelLayout(), mainForm.Handle(), mainForm.Errors()), mainForm_(mainForm) {
  for (int k = 0; k < kQuantityCount; ++k) {
    oldButtons_[k] = Controls().Window(OldUnitButtonName(k));
    siButtons_[k] = Controls().Window(SiUnitButtonName(k));
  }
}

void TFormBorSel::Check(int quantity, bool si) {
  SendMessageW(siButtons_[quantity], BM_SETCHECK, si ? BST_CHECKED : BST_UNCHECKED, 0);
  SendMessageW(oldButtons_[quantity], BM_SETCHECK, si ? BST_UNCHECKED : BST_CHECKED, 0);
}

bool TFormBorSel::SiChecked(int quantity) const {
  return SendMessageW(siButtons_[quantity], BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TFormBorSel::ShowUnitTypes() {
  for (int k = 0; k < kQuantityCount; ++k) Check(k, ShownAsSi(mainForm_.Model().UnitType()[k]));
}

void TFormBorSel::ApplyUnitTypes() {
  std::array<bool, kQuantityCount> siChecked{};
  for (int k = 0; k < kQuantityCount; ++k) siChecked[k] = SiChecked(k);
  DeclareUnits(mainForm_.Model(), siChecked);
  mainForm_.ShowLists();
}

void TFormBorSel::OnControl(const LayoutControl& control, int code) {
  if (code != BN_CLICKED) return;
  for (int k = 0; k < kQuantityCount; ++k) {
    if (control.hwnd == oldButtons_[k] || control.hwnd == siButtons_[k]) {
      Check(k, control.hwnd == siButtons_[k]);
    }
  }
  if (control.layout->name == "BitBtnExit") {
    ApplyUnitTypes();
    ShowWindow(Handle(), SW_HIDE);
  } else if (control.layout->name == "BitBtnCancel") {
    ShowWindow(Handle(), SW_HIDE);
  }
}

void TFormBorSel::OnEscape() {
  SendMessageW(Controls().Window("BitBtnCancel"), BM_CLICK, 0, 0);
}

TFormVersion::TFormVersion(TmainForm& mainForm)
    : LayoutWindow(FormVersionLayout(), mainForm.Handle(), mainForm.Errors()) {}

void TFormVersion::ShowModeless() {
  LayoutWindow::ShowModeless();
  SetFocus(Controls().Window("Button1"));
}

void TFormVersion::OnControl(const LayoutControl& control, int code) {
  if (control.layout->name == "Button1" && code == BN_CLICKED) ShowWindow(Handle(), SW_HIDE);
}

}  // namespace siconv
