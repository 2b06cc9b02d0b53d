#pragma once
// Generated permeability-test records (L204.TXT lines in old units) for the
// benchmarks: 15 comma-separated fields in their column widths.
#include <string>
#include <vector>

namespace siconv {

inline constexpr int kL204Fields = 15;

// count lines, the same for every call with the same count.
std::vector<std::string> L204Lines(int count);

}  // namespace siconv
