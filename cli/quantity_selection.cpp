#include "cli/quantity_selection.h"

#include <algorithm>
#include <optional>

#include "engine/line_converter.h"
#include "engine/quantity_catalogue.h"

namespace siconv {
namespace {

bool Contains(const std::vector<int>& quantities, int q) {
  return std::ranges::find(quantities, q) != quantities.end();
}

// Any value but 0 means SI units, as in the folder scan.
bool InTargetUnit(const UnitTypes& unitType, int direction, int q) {
  return (unitType[static_cast<std::size_t>(q)] != 0) == (direction == kToSi);
}

}  // namespace

QuantitySelection SelectQuantities(const std::vector<int>& present, const UnitTypes& unitType,
                                   int direction, const std::vector<int>& named) {
  QuantitySelection selection;
  for (int q = 0; q < kQuantityCount; ++q) {
    if (!named.empty() && !Contains(named, q)) continue;
    std::optional<SkipReason> reason;
    if (!Contains(present, q)) {
      reason = SkipReason::Absent;
    } else if (InTargetUnit(unitType, direction, q)) {
      reason = SkipReason::AlreadyInTargetUnit;
    }
    if (!reason) {
      selection.convert.push_back(q);
    } else if (!named.empty()) {
      selection.skipped.push_back({q, *reason});
    }
  }
  return selection;
}

}  // namespace siconv
