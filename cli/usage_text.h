#pragma once
// What siconv-cli prints for --help.
#include <string>

namespace siconv {

inline constexpr const char* kCliName = "siconv-cli";

std::string HelpText();

}  // namespace siconv
