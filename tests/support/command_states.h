#pragma once
// The states a survey folder may be left in by a conversion command that a
// fault or a crash cut short. A command converts its quantities in order and
// stops at its first failure; a quantity is put in place whole (record and
// header file) or not at all, once the folder's journal has been completed.
// So the folder's files must stand exactly as after some number of whole
// quantities of a clean run, with the units of that point. The states come
// from converting a copy of the folder quantity by quantity.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/file_conversion.h"

namespace siconv {

// Every file of a folder except SICONV.INI, by name, with its bytes.
using FolderFiles = std::map<std::string, std::string>;
FolderFiles DataFilesOf(const std::string& folder);

class CommandStates {
 public:
  // folder as it stands before the command, with the units its SICONV.INI
  // gives; quantities in the order the command converts them.
  CommandStates(const std::string& folder, int direction, const std::vector<int>& quantities,
                const UnitTypes& unitsBefore);

  struct Verdict {
    std::string problems;  // empty when the folder stands in one of the states
    UnitTypes unitType{};  // the units of that state
  };
  // Judges a folder after the command. unitFileUnits: what SICONV.INI says
  // now (read by the caller, after any fault was lifted). unitFileErrorTold:
  // the user was told that SICONV.INI could not be written; it may then hold
  // its old bytes instead of units that agree with the files.
  Verdict Judge(const std::string& folder, const UnitTypes& unitFileUnits,
                bool unitFileErrorTold) const;

  // The units after the whole command.
  const UnitTypes& FinalUnits() const { return states_.back().unitType; }

 private:
  struct State {
    FolderFiles files;
    UnitTypes unitType;
  };
  std::string FileProblems(const FolderFiles& files) const;

  std::vector<State> states_;
  std::optional<std::string> unitFileBefore_;  // nullopt when there was none
};

}  // namespace siconv
