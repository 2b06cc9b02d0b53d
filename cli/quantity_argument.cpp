#include "cli/quantity_argument.h"

#include "engine/quantity_catalogue.h"

namespace siconv {

std::optional<int> ParseQuantityArgument(std::string_view text) {
  if (text.size() == 1 && text[0] >= '0' && text[0] < '0' + kQuantityCount) return text[0] - '0';
  const int index = LookupQuantity(text).index;
  if (index < 0) return std::nullopt;
  return index;
}

// Captions hold no "=", so the last one separates the quantity from the unit.
std::optional<UnitDeclaration> ParseUnitDeclaration(std::string_view text) {
  const std::size_t equals = text.rfind('=');
  if (equals == std::string_view::npos) return std::nullopt;
  const std::optional<int> quantity = ParseQuantityArgument(text.substr(0, equals));
  const std::string_view unit = text.substr(equals + 1);
  if (!quantity || (unit != "old" && unit != "si")) return std::nullopt;
  return UnitDeclaration{*quantity, unit == "si" ? 1 : 0};
}

}  // namespace siconv
