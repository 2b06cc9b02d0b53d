#include "state/folder_journal.h"

#include <algorithm>
#include <optional>
#include <span>
#include <sstream>

#include "engine/file_system.h"
#include "engine/format_text.h"
#include "engine/io_code.h"
#include "engine/line_file.h"
#include "engine/path_join.h"
#include "engine/path_separator.h"
#include "engine/quantity_catalogue.h"
#include "state/integer_text.h"
#include "state/name_mask.h"
#include "state/unit_type_file.h"

namespace siconv {
namespace {

constexpr const char* kFirstLine = "SICONV.JNL 1";
constexpr const char* kUnitsWord = "UNITTYPE";
constexpr const char* kReplaceWord = "REPLACE";
constexpr const char* kLastLine = "END";

std::string PathIn(const std::string& folder, const std::string& name) {
  return AddBackslash(folder) + name;
}

std::string NameOf(const std::string& path) {
  const auto separator = std::find_if(path.rbegin(), path.rend(), IsPathSeparator);
  return std::string(separator.base(), path.end());
}

std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  std::istringstream in(line);
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

// Found ignoring case, as the folder scan finds record files.
bool IsDataFileName(const std::string& name) {
  return std::ranges::any_of(Quantities(), [&](const Quantity& q) {
    return NameMatchesMask(name, q.recordFile) || NameMatchesMask(name, q.headerFile);
  });
}

std::optional<UnitTypes> ParseUnits(const std::vector<std::string>& words) {
  UnitTypes unitType{};
  if (words.size() != unitType.size() + 1 || words[0] != kUnitsWord) return std::nullopt;
  for (std::size_t k = 0; k < unitType.size(); ++k) {
    const std::optional<std::int32_t> value = ParseIntegerText(words[k + 1]);
    if (!value) return std::nullopt;
    unitType[k] = *value;
  }
  return unitType;
}

std::optional<Replacement> ParseReplacement(const std::string& folder,
                                            const std::vector<std::string>& words) {
  if (words.size() != 3 || words[0] != kReplaceWord || !IsTemporaryName(words[1]) ||
      !IsDataFileName(words[2])) {
    return std::nullopt;
  }
  return Replacement{PathIn(folder, words[1]), PathIn(folder, words[2])};
}

// What is at path, a link not followed.
FileKind KindAt(const std::string& path) {
  FileStatus status;
  CheckIoAt(CurrentFileSystem().Status(path, Links::Own, status), path);
  return status.kind;
}

// Removes path when it is there; a name that is not there is never removed,
// so that a read-only medium is no error.
void RemoveIfPresent(const std::string& path) {
  if (KindAt(path) != FileKind::Missing) CheckIoAt(CurrentFileSystem().Remove(path), path);
}

Exception BrokenJournal(const std::string& folder) {
  return Exception(FormatText("%s が壊れています", {PathIn(folder, kJournalFileName)}));
}

// The journal's lines, or nothing when there is no journal.
std::optional<std::vector<std::string>> ReadJournalLines(const std::string& folder) {
  LineFile file;
  file.Bind(PathIn(folder, kJournalFileName));
  const int opened = file.OpenRead();
  if (opened == io_code::kFileNotFound) return std::nullopt;
  CheckIoAt(opened, file.Name());
  std::vector<std::string> lines;
  for (bool atEnd = false; CheckIoAt(file.AtEnd(atEnd), file.Name()), !atEnd;) {
    CheckIoAt(file.ReadLine(lines.emplace_back()), file.Name());
  }
  CheckIoAt(file.Close(), file.Name());
  return lines;
}

// The journal written whole to its temporary file and made durable, then
// renamed into place, so that a journal that exists is always complete.
// Raises with no journal and no temporary journal left.
void PublishJournal(const std::string& folder, const FolderJournal& journal) {
  LineFile file;
  file.Bind(PathIn(folder, kJournalTemporaryName));
  try {
    RemoveIfPresent(file.Name());
    CheckIoAt(file.OpenWrite(OpenMode::CreateNew), file.Name());
    for (const std::string& line : JournalLines(journal))
      CheckIoAt(file.WriteLine(line), file.Name());
    CheckIoAt(file.CloseSynced(), file.Name());
    // The temporaries' names must be on disk before a journal names them: a
    // journal whose temporary is missing counts that file as replaced.
    CheckIoAt(CurrentFileSystem().SyncFolder(folder), folder);
    CheckIoAt(file.MoveTo(PathIn(folder, kJournalFileName)), file.Name());
  } catch (const Exception&) {
    file.Close();
    file.Remove();
    throw;
  }
}

// Nothing for lines that are not a journal of this program (replacements
// only of its temporary files onto record and header files of the folder).
std::optional<FolderJournal> ParseJournal(const std::string& dataFolder,
                                          const std::vector<std::string>& lines) {
  if (lines.size() < 3 || lines.front() != kFirstLine || lines.back() != kLastLine) {
    return std::nullopt;
  }
  FolderJournal journal;
  const std::optional<UnitTypes> units = ParseUnits(Words(lines[1]));
  if (!units) return std::nullopt;
  journal.unitType = *units;
  for (std::size_t i = 2; i + 1 < lines.size(); ++i) {
    const std::optional<Replacement> file = ParseReplacement(dataFolder, Words(lines[i]));
    if (!file) return std::nullopt;
    journal.replacements.push_back(*file);
  }
  return journal;
}

// Renames whatever temporary file is still there, then records the units
// and removes the journal; every step may be done again after a crash.
void CompleteJournal(const std::string& folder, const FolderJournal& journal) {
  FileSystem& fs = CurrentFileSystem();
  // The journal must be durable before the first original is replaced.
  CheckIoAt(fs.SyncFolder(folder), folder);
  for (const Replacement& file : journal.replacements) {
    if (KindAt(file.temporary) == FileKind::Regular) {
      CheckIoAt(fs.Replace(file.temporary, file.target), file.target);
    }
  }
  // SICONV.INI's own folder fsync makes these renames durable with it; until
  // then the journal, still there, can do them again.
  WriteUnitTypeFile(folder, journal.unitType);
  CheckIoAt(fs.Remove(PathIn(folder, kJournalFileName)), PathIn(folder, kJournalFileName));
  // The next quantity's temporary files must never meet this journal again.
  CheckIoAt(fs.SyncFolder(folder), folder);
}

// The units after all of converted, and per file the temporary file of the
// last quantity that converted it (made from the earlier ones).
FolderJournal JournalOf(const UnitTypes& unitType, std::span<const ConvertedQuantity> converted) {
  FolderJournal journal{unitType, {}};
  for (const ConvertedQuantity& quantity : converted) {
    journal.unitType[static_cast<std::size_t>(quantity.quantity)] = quantity.direction;
    for (const Replacement& file : quantity.replacements) {
      const auto same = std::ranges::find(journal.replacements, file.target, &Replacement::target);
      if (same == journal.replacements.end()) {
        journal.replacements.push_back(file);
      } else {
        same->temporary = file.temporary;
      }
    }
  }
  return journal;
}

// Removes the temporary files of converted that the journal does not name.
void RemoveSuperseded(std::span<const ConvertedQuantity> converted, const FolderJournal& journal) {
  for (const ConvertedQuantity& quantity : converted) {
    for (const Replacement& file : quantity.replacements) {
      if (std::ranges::find(journal.replacements, file.temporary, &Replacement::temporary) ==
          journal.replacements.end()) {
        CheckIoAt(CurrentFileSystem().Remove(file.temporary), file.temporary);
      }
    }
  }
}

// Removes every temporary file a command of this program may leave.
void RemoveLeftovers(const std::string& folder) {
  std::vector<FolderEntry> entries;
  CheckIoAt(CurrentFileSystem().ListFolder(folder, entries), folder);
  for (const FolderEntry& entry : entries) {
    if (IsTemporaryName(entry.name) || entry.name == kJournalTemporaryName ||
        entry.name == kTemporaryUnitTypeFileName) {
      CheckIoAt(CurrentFileSystem().Remove(PathIn(folder, entry.name)), PathIn(folder, entry.name));
    }
  }
}

}  // namespace

std::vector<std::string> JournalLines(const FolderJournal& journal) {
  std::vector<std::string> lines = {kFirstLine};
  std::string units = kUnitsWord;
  for (const std::int32_t unit : journal.unitType) units += " " + std::to_string(unit);
  lines.push_back(units);
  for (const Replacement& file : journal.replacements) {
    lines.push_back(std::string(kReplaceWord) + " " + NameOf(file.temporary) + " " +
                    NameOf(file.target));
  }
  lines.push_back(kLastLine);
  return lines;
}

void CommitQuantities(UnitTypes& unitType, std::span<const ConvertedQuantity> converted) {
  if (converted.empty()) return;
  const std::string& folder = converted.front().dataFolder;
  const FolderJournal journal = JournalOf(unitType, converted);
  try {
    RemoveSuperseded(converted, journal);
    PublishJournal(folder, journal);
  } catch (const Exception&) {
    // A rename can take effect and still report a failure (a network
    // volume's retry); a journal in place names the temporaries, so they stay.
    if (KindAt(PathIn(folder, kJournalFileName)) != FileKind::Regular) {
      for (const ConvertedQuantity& quantity : converted) RemoveTemporaries(quantity);
      throw;
    }
  }
  unitType = journal.unitType;
  try {
    CompleteJournal(folder, journal);
  } catch (const Exception&) {
    try {
      CompleteJournal(folder, journal);
    } catch (const Exception&) {
      // The journal stays; the next command on the folder completes it.
    }
    throw;
  }
}

void RecoverFolder(const std::string& dataFolder) {
  if (const std::optional<std::vector<std::string>> lines = ReadJournalLines(dataFolder)) {
    const std::optional<FolderJournal> journal = ParseJournal(dataFolder, *lines);
    if (!journal) throw BrokenJournal(dataFolder);
    CompleteJournal(dataFolder, *journal);
  }
  RemoveLeftovers(dataFolder);
}

}  // namespace siconv
