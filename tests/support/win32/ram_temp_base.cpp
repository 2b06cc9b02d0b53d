#include "tests/support/ram_temp_base.h"

namespace siconv {

// Windows has no memory folder to offer; TempDir stays in the user's
// temporary folder.
RamTempBase::RamTempBase() = default;

RamTempBase::~RamTempBase() = default;

}  // namespace siconv
