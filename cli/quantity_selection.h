#pragma once
// Which quantities of a folder one conversion command takes.
#include <vector>

#include "engine/file_conversion.h"

namespace siconv {

enum class SkipReason { Absent, AlreadyInTargetUnit };

struct SkippedQuantity {
  int quantity;
  SkipReason reason;
};

struct QuantitySelection {
  std::vector<int> convert;  // catalogue order
  std::vector<SkippedQuantity> skipped;
};

// The present quantities stored in the unit that direction converts from,
// only those named when any are. A named quantity that is absent or already
// in the target unit is skipped, never converted a second time.
QuantitySelection SelectQuantities(const std::vector<int>& present, const UnitTypes& unitType,
                                   int direction, const std::vector<int>& named);

}  // namespace siconv
