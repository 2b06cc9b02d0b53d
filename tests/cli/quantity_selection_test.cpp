#include "cli/quantity_selection.h"

#include <gtest/gtest.h>

#include "engine/line_converter.h"

namespace siconv {
namespace {

using Skip = std::pair<int, SkipReason>;

std::vector<Skip> Skips(const QuantitySelection& selection) {
  std::vector<Skip> skips;
  for (const SkippedQuantity& s : selection.skipped) skips.emplace_back(s.quantity, s.reason);
  return skips;
}

TEST(QuantitySelectionTest, TakesThePresentQuantitiesInTheSourceUnit) {
  constexpr SkipReason kAbsent = SkipReason::Absent;
  constexpr SkipReason kAlready = SkipReason::AlreadyInTargetUnit;
  const UnitTypes mixed{0, 1, 0, 2, 0, -1};  // any value but 0 is SI
  const struct {
    const char* what;
    int direction;
    std::vector<int> named;
    std::vector<int> convert;
    std::vector<Skip> skipped;
  } cases[] = {
      {"all old ones to SI", kToSi, {}, {0, 2}, {}},
      {"all SI ones back", kToOld, {}, {1, 3}, {}},
      {"named, catalogue order", kToOld, {3, 1}, {1, 3}, {}},
      {"named twice converts once", kToSi, {2, 2}, {2}, {}},
      {"named but already converted", kToSi, {1, 0}, {0}, {{1, kAlready}}},
      {"named but absent", kToOld, {5, 4, 3}, {3}, {{4, kAbsent}, {5, kAbsent}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const QuantitySelection selection = SelectQuantities({0, 1, 2, 3}, mixed, c.direction, c.named);
    EXPECT_EQ(selection.convert, c.convert);
    EXPECT_EQ(Skips(selection), c.skipped);
  }
}

}  // namespace
}  // namespace siconv
