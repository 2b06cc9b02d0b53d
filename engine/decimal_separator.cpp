#include "engine/decimal_separator.h"

namespace siconv {

// Set from the user's regional settings by the program's start-up; '.' until then.
char DecimalSeparator = '.';

}  // namespace siconv
