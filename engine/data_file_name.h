#pragma once
// The names of data-folder files as the folder spells them.
#include <string>

namespace siconv {

// The path of a data-folder file: the entry equal to name ignoring ASCII
// case, else the name itself. Raises EInOutError when the name cannot be
// looked up, and Exception naming both when two entries match.
std::string ResolveDataFile(const std::string& folder, const std::string& name);

}  // namespace siconv
