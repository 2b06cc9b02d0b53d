#pragma once
// The settings dialog and the version dialog in Win32 controls. Both are
// owned by the main window, made hidden at start, shown without being modal,
// and only hidden when closed.
#include <array>

#include "engine/quantity_catalogue.h"
#include "ui/win32/layout_window.h"

namespace siconv {

class TmainForm;

class TFormBorSel : public LayoutWindow {
 public:
  explicit TFormBorSel(TmainForm& mainForm);

  // The radio buttons preset from UnitType.
  void ShowUnitTypes();
  // The declaration: UnitType and both lists follow the radio buttons.
  void ApplyUnitTypes();
  bool SiChecked(int quantity) const;

 protected:
  void OnControl(const LayoutControl& control, int code) override;
  // Escape presses the cancel button.
  void OnEscape() override;

 private:
  // Checking one button of a pair clears the other.
  void Check(int quantity, bool si);

  TmainForm& mainForm_;
  std::array<HWND, kQuantityCount> oldButtons_{};
  std::array<HWND, kQuantityCount> siButtons_{};
};

class TFormVersion : public LayoutWindow {
 public:
  explicit TFormVersion(TmainForm& mainForm);

  // "&OK" is the dialog's only control that takes the focus.
  void ShowModeless();

 protected:
  void OnControl(const LayoutControl& control, int code) override;
};

}  // namespace siconv
