#pragma once
// Joining a folder and a name with the platform's separator.
#include <string>

namespace siconv {

// Path with the platform's separator appended ("/" on Linux, a backslash on
// Windows), unless it is empty or already ends in one.
std::string AddBackslash(std::string path);

}  // namespace siconv
