#pragma once
// Whether a file may be replaced. The superuser passes every permission check,
// so a file without any write bit counts as read-only for everybody.
#include <string>

namespace siconv {

bool IsReadOnlyFile(const std::string& path);

}  // namespace siconv
