#include "engine/number_text.h"

namespace siconv {

// Set from the user's regional settings by the program's start-up; '.' until then.
char DecimalSeparator = '.';

}  // namespace siconv
