#pragma once
// How a quantity is named on the command line: its index or its caption.
#include <optional>
#include <string_view>

namespace siconv {

struct UnitDeclaration {
  int quantity;
  int unitType;  // 0 old units, 1 SI units
};

// "0" to "5", or a caption equal byte for byte to the catalogue's.
std::optional<int> ParseQuantityArgument(std::string_view text);

// "Q=old" or "Q=si", Q as for ParseQuantityArgument.
std::optional<UnitDeclaration> ParseUnitDeclaration(std::string_view text);

}  // namespace siconv
