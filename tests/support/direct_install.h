#pragma once
// Converting a quantity without the folder journal, for tests of the engine
// alone and for working out the states a command passes through.
#include "engine/file_conversion.h"

namespace siconv {

// PrepareQuantity, then (not in a dry run) the two files renamed, the unit
// recorded once the record file was replaced, and what is left of the
// temporary files removed when a rename fails. True when both files of the
// quantity were converted.
bool ConvertDirectly(ConversionContext& ctx, int direction, int quantity);

}  // namespace siconv
