#pragma once
// The user's own folders, where the windows stand when the process's folder
// is gone.
#include <optional>
#include <string>

namespace siconv {

// The user's home folder (the profile folder on Windows); nullopt when the
// system names none.
std::optional<std::string> HomeFolder();

// The root of the system's volume: "/" on Linux, "C:\" on Windows.
std::string SystemRoot();

}  // namespace siconv
