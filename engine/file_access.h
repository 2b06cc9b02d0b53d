#pragma once
// Whether a file may be replaced. The superuser passes every permission check,
// so a file without any write bit counts as read-only for everybody.
#include <string>

namespace siconv {

// 0 when path is missing or may be replaced, 5 when it is read-only, else
// the IoCode of the failed look.
int ReplaceableCode(const std::string& path);

}  // namespace siconv
