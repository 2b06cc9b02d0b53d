#pragma once
// What siconv-cli prints for --help and --version.
#include <string>

namespace siconv {

inline constexpr const char* kCliName = "siconv-cli";

// The program's name and version, as the version dialog shows them.
inline constexpr const char* kVersionText = "VELD Ver1.02";

std::string HelpText();

}  // namespace siconv
