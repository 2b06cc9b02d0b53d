#pragma once
// The maker's name and the version as the version dialog and siconv-cli's
// --version show them; the number is the project's version in CMake.

namespace siconv {

inline constexpr const char* kMakerName = "VELD";
inline constexpr const char* kVersionCaption = "Ver" SICONV_VERSION;

}  // namespace siconv
