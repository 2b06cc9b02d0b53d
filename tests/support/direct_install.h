#pragma once
// Converting a quantity without the folder journal, for tests of the engine
// alone and for working out the states a command passes through.
#include "engine/file_conversion.h"

namespace siconv {

// ConvertQuantity whose installer renames the two files, records the unit
// once the record file was replaced, and removes what is left of the
// temporary files when a rename fails.
bool ConvertDirectly(ConversionContext& ctx, int direction, int quantity);

}  // namespace siconv
