#pragma once
// siconv-cli as a function, so that tests run it in-process.
#include <ostream>

namespace siconv {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // some folder failed
inline constexpr int kExitUsage = 2;    // a wrong command line; nothing touched

// Listings, help and version go to out; progress, results and errors to err.
int RunCli(int argc, char** argv, std::ostream& out, std::ostream& err);

}  // namespace siconv
