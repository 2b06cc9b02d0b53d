#pragma once
// The IoCode of an errno: the Windows code of the same meaning.
#include <string>

namespace siconv {

// ENOENT tells a missing file from a missing folder by looking at the folder
// that should hold path.
int IoCodeFromErrno(int error, const std::string& path);

}  // namespace siconv
