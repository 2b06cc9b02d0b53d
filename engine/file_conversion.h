#pragma once
// Converts one quantity of a data folder in place: its record file into
// KELDRAN.$$$ and its header file into KELDRAN.$$H, both made durable, then
// an installer renames them over the originals. A command may prepare several
// quantities before it puts them in place together; each then has its own
// pair of temporary files.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "engine/conversion_host.h"
#include "engine/line_file.h"

namespace siconv {

using UnitTypes = std::array<std::int32_t, 6>;

inline constexpr const char* kTemporaryFileName = "KELDRAN.$$$";
inline constexpr const char* kTemporaryHeaderFileName = "KELDRAN.$$H";

// The temporary files of the slot-th quantity (from 0) waiting to be put in
// place: KELDRAN.$$$ and KELDRAN.$$H for the first, KELDRAN.$1$ and
// KELDRAN.$1H for the second, and so on.
std::array<std::string, 2> TemporaryNames(int slot);
// Whether name is one of them, of any slot.
bool IsTemporaryName(const std::string& name);

struct ConversionContext {
  std::string dataFolder;
  UnitTypes& unitType;
  LineFile& inFile;
  LineFile& outFile;
  ConversionHost& host;
  // Everything is read and converted, nothing is written or replaced.
  bool dryRun = false;
};

// One converted file waiting in its temporary file to replace its original.
struct Replacement {
  std::string temporary;
  std::string target;
};

// Both converted files of a quantity, their contents durable, not yet in place.
struct ConvertedQuantity {
  std::string dataFolder;
  int quantity = 0;
  int direction = 0;
  std::array<Replacement, 2> replacements;  // the record file, then the header file
};

// Converts both files of quantity into their temporary files (into nothing in
// a dry run) and checks that both originals may be replaced. Nothing when a
// file could not be opened (reported through the host). Whatever it raises
// or refuses, no temporary file of its own is left and no original has
// changed. waiting: the quantities prepared before it and not yet in place; a
// file one of them converted is read from its temporary file, and this one
// takes the next slot.
std::optional<ConvertedQuantity> PrepareQuantity(ConversionContext& ctx, int direction,
                                                 int quantity,
                                                 std::span<const ConvertedQuantity> waiting = {});

// Removes the temporary files that are still there.
void RemoveTemporaries(const ConvertedQuantity& converted);

}  // namespace siconv
