#pragma once
// The six convertible quantities: where each lives and how it is scaled.
#include <array>
#include <string>
#include <string_view>

#include "engine/line_converter.h"

namespace siconv {

inline constexpr int kQuantityCount = 6;

struct HeaderRecipe {
  int copiedBefore;
  int copiedAfter;
  double factor;
  ColumnTable table;  // one blank-separated line of three scaled numbers
};

struct Quantity {
  const char* caption;
  const char* recordFile;
  const char* headerFile;
  const char* oldUnit;
  const char* siUnit;
  double recordFactor;
  int scaledField;
  ColumnTable recordTable;
  HeaderRecipe header;
};

const std::array<Quantity, kQuantityCount>& Quantities();

struct QuantityLookup {
  int index = -1;  // -1 when no caption matches
  std::string recordFile;
};

// The first quantity whose caption equals caption byte for byte.
QuantityLookup LookupQuantity(std::string_view caption);

}  // namespace siconv
