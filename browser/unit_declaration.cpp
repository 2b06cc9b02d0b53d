#include "browser/unit_declaration.h"

namespace siconv {

std::string OldUnitButtonName(int quantity) {
  return "RadioButton" + std::to_string(2 * quantity + 1);
}

std::string SiUnitButtonName(int quantity) {
  return "RadioButton" + std::to_string(2 * quantity + 2);
}

bool ShownAsSi(int unitType) {
  return unitType == 1;
}

void DeclareUnits(MainWindowModel& model, const std::array<bool, kQuantityCount>& siChecked) {
  UnitTypes units{};
  for (int k = 0; k < kQuantityCount; ++k) units[k] = siChecked[k] ? 1 : 0;
  model.DeclareUnits(units);
  model.ListSeirifromBrDatSet();
}

}  // namespace siconv
