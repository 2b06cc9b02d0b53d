#pragma once
// The folder journal: a command's conversions made crash-safe. The converted
// files of every quantity a command converts in the folder are written and
// made durable first; then SICONV.JNL records which temporary file replaces
// which original and the units of all six quantities afterwards, and once it
// is in place the quantities count as converted: the files are renamed,
// SICONV.INI is rewritten and the journal removed. Whoever finds a journal
// (the next command on the folder) completes it the same way. One journal
// puts all of a command's quantities in place, so that the folder is synced
// a fixed number of times per command, not per quantity.
#include <span>
#include <string>
#include <vector>

#include "engine/file_conversion.h"

namespace siconv {

// Neither name matches a record-file mask, and neither is SICONV.INI.
inline constexpr const char* kJournalFileName = "SICONV.JNL";
inline constexpr const char* kJournalTemporaryName = "SICONV.JN$";

struct FolderJournal {
  UnitTypes unitType{};                   // SICONV.INI once the quantity is in place
  std::vector<Replacement> replacements;  // full paths, in the data folder
};

// Puts prepared quantities (of one folder, in the order they were prepared)
// in place under one journal and sets their units in unitType once the
// journal is in place. Raises when anything fails: before that point with
// the temporary files removed and nothing changed; after it with the
// quantities completed by a second try, or else left to the journal.
void CommitQuantities(UnitTypes& unitType, std::span<const ConvertedQuantity> converted);

// Completes the journal of an interrupted quantity, if there is one, and
// removes temporary files that no journal names. Raises when that fails, or
// with "%s が壊れています" for a journal that is not one this program wrote.
void RecoverFolder(const std::string& dataFolder);

// The journal's lines as written to SICONV.JNL.
std::vector<std::string> JournalLines(const FolderJournal& journal);

}  // namespace siconv
