#include "state/folder_scan.h"

#include <algorithm>

#include "engine/quantity_catalogue.h"
#include "state/name_mask.h"

namespace siconv {
namespace {

QuantityLists FileByUnit(const std::vector<int>& quantities, const UnitTypes& unitType) {
  QuantityLists lists;
  for (int q : quantities) {
    auto& list = unitType[static_cast<std::size_t>(q)] != 0 ? lists.siUnits : lists.oldUnits;
    list.push_back(Quantities()[static_cast<std::size_t>(q)].caption);
  }
  return lists;
}

bool HoldsRecordFile(const std::vector<std::string>& fileNames, const char* recordFile) {
  return std::ranges::any_of(fileNames, [recordFile](const std::string& name) {
    return NameMatchesMask(name, recordFile);
  });
}

}  // namespace

// Catalogue order is the order of the four passes. A quantity is listed once
// even when two names differing only in letter case match its record file
// (possible on this file system), so no command converts it twice.
std::vector<int> PresentQuantities(const std::vector<std::string>& fileNames) {
  std::vector<int> present;
  for (int q = 0; q < kQuantityCount; ++q) {
    if (HoldsRecordFile(fileNames, Quantities()[static_cast<std::size_t>(q)].recordFile)) {
      present.push_back(q);
    }
  }
  return present;
}

QuantityLists ScanQuantities(const std::vector<std::string>& fileNames, const UnitTypes& unitType) {
  return FileByUnit(PresentQuantities(fileNames), unitType);
}

QuantityLists ListAllQuantities(const UnitTypes& unitType) {
  std::vector<int> all;
  for (int q = 0; q < kQuantityCount; ++q) all.push_back(q);
  return FileByUnit(all, unitType);
}

}  // namespace siconv
