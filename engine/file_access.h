#pragma once
// Whether a file may be replaced: not read-only as the file system's Status
// tells it (on POSIX also for the superuser).
#include <string>

namespace siconv {

// 0 when path is missing or may be replaced, 5 when it is read-only, else
// the IoCode of the failed look.
int ReplaceableCode(const std::string& path);

}  // namespace siconv
