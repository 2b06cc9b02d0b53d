#pragma once
// Which quantities a folder holds, filed under old or SI units.
#include <string>
#include <vector>

#include "engine/file_conversion.h"

namespace siconv {

struct QuantityLists {
  std::vector<std::string> oldUnits;  // captions, catalogue order
  std::vector<std::string> siUnits;
};

// The four passes over the folder's plain-file names.
QuantityLists ScanQuantities(const std::vector<std::string>& fileNames, const UnitTypes& unitType);

// The quantity indexes the four passes find, in catalogue order.
std::vector<int> PresentQuantities(const std::vector<std::string>& fileNames);

// All six captions split by unitType (after the units were declared).
QuantityLists ListAllQuantities(const UnitTypes& unitType);

}  // namespace siconv
