#pragma once
// The settings dialog's rules without a toolkit: which radio buttons stand for
// a quantity, how UnitType presets them and how their state is declared.
#include <array>
#include <string>

#include "browser/main_window_model.h"
#include "engine/quantity_catalogue.h"

namespace siconv {

// Quantity k is declared by RadioButton 2k+1 (old unit) and 2k+2 (SI unit).
std::string OldUnitButtonName(int quantity);
std::string SiUnitButtonName(int quantity);

// ShowUnitTypes: only an entry of 1 checks the SI button.
bool ShownAsSi(int unitType);

// "実行(&O)": UnitType takes 1 where the SI button is checked, else 0, and
// both lists are rebuilt with all six captions. Nothing is written.
void DeclareUnits(MainWindowModel& model, const std::array<bool, kQuantityCount>& siChecked);

}  // namespace siconv
