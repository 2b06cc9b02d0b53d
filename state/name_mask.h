#pragma once
// File-name masks: "*", "?", sets "[a-c]" and "[!x]", CP932 double-byte
// characters, a-z equal to A-Z.
#include <string_view>

namespace siconv {

// Raises Exception "'%s' は不正なマスクです (%d バイト目)" for an invalid mask.
bool NameMatchesMask(std::string_view name, std::string_view mask);

}  // namespace siconv
