#pragma once
// SICONV.INI: the unit state of the six quantities of one data folder.
#include <string>

#include "engine/file_conversion.h"

namespace siconv {

inline constexpr const char* kUnitTypeFileName = "SICONV.INI";
// A larger file is refused ("%s が大きすぎます"): it cannot be a unit state.
inline constexpr std::size_t kUnitTypeFileMaxBytes = 1 << 20;
// Where a new SICONV.INI is written before it is renamed over the file.
inline constexpr const char* kTemporaryUnitTypeFileName = "SICONV.$$$";

// Raises EInOutError when the folder cannot be looked at.
std::string UnitTypeFilePath(const std::string& dataFolder);

// All six entries; 0 for whatever is missing or rejected. A file that is
// there but cannot be read raises EInOutError instead of reading as zeros;
// one that is no regular file, or too large, raises Exception naming it.
UnitTypes ReadUnitTypeFile(const std::string& dataFolder);

// All six keys in one atomic rewrite that keeps the rest of the file.
// Raises Exception "%s に書き込めません" with the file's path.
void WriteUnitTypeFile(const std::string& dataFolder, const UnitTypes& unitType);

// Whether WriteUnitTypeFile can be expected to succeed: the file is writable,
// or the folder lets us create it.
bool CanWriteUnitTypeFile(const std::string& dataFolder);

// The Exception that a failed write raises.
Exception UnitTypeFileWriteError(const std::string& dataFolder);

}  // namespace siconv
