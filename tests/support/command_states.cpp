#include "tests/support/command_states.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <stdexcept>

#include "tests/support/conversion_rig.h"
#include "tests/support/direct_install.h"
#include "tests/support/temp_dir.h"

namespace siconv {
namespace fs = std::filesystem;
namespace {

constexpr const char* kUnitFile = "SICONV.INI";
constexpr const char* kStateFiles[] = {"SICONV.$$$", "SICONV.JNL", "SICONV.JN$"};

// A converted file waiting for its rename, or a file of the unit state's own.
bool IsTemporaryFile(const std::string& name) {
  return IsTemporaryName(name) || std::ranges::find(kStateFiles, name) != std::end(kStateFiles);
}

std::optional<std::string> UnitFileBytes(const std::string& folder) {
  const std::string path = folder + "/" + kUnitFile;
  if (!FileExists(path)) return std::nullopt;
  return ReadFile(path);
}

void CopyFolder(const std::string& from, const std::string& to) {
  for (const auto& [name, bytes] : DataFilesOf(from)) WriteFile(to + "/" + name, bytes);
}

}  // namespace

FolderFiles DataFilesOf(const std::string& folder) {
  FolderFiles files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (entry.is_regular_file() && name != kUnitFile && !IsFolderLockMark(name)) {
      files[name] = ReadFile(entry.path().string());
    }
  }
  return files;
}

CommandStates::CommandStates(const std::string& folder, int direction,
                             const std::vector<int>& quantities, const UnitTypes& unitsBefore)
    : unitFileBefore_(UnitFileBytes(folder)) {
  ConversionRig rig;
  CopyFolder(folder, rig.dir.Path());
  rig.unitType = unitsBefore;
  states_.push_back({DataFilesOf(rig.dir.Path()), rig.unitType});
  for (const int q : quantities) {
    if (!ConvertDirectly(rig.ctx, direction, q)) throw std::runtime_error("the clean run failed");
    states_.push_back({DataFilesOf(rig.dir.Path()), rig.unitType});
  }
}

// Names each file that holds bytes of no state, or that is missing or new.
std::string CommandStates::FileProblems(const FolderFiles& files) const {
  std::set<std::string> names;
  for (const State& s : states_) {
    for (const auto& entry : s.files) names.insert(entry.first);
  }
  for (const auto& entry : files) names.insert(entry.first);
  std::string problems;
  for (const std::string& name : names) {
    const auto now = files.find(name);
    bool known = false;
    for (const State& s : states_) {
      const auto then = s.files.find(name);
      known = known || (then == s.files.end() ? now == files.end()
                                              : now != files.end() && now->second == then->second);
    }
    if (!known) problems += name + " is neither as before nor as after its conversion; ";
  }
  return problems.empty() ? "the files stand in no single state of the command" : problems;
}

CommandStates::Verdict CommandStates::Judge(const std::string& folder,
                                            const UnitTypes& unitFileUnits,
                                            bool unitFileErrorTold) const {
  Verdict verdict;
  FolderFiles files = DataFilesOf(folder);
  std::erase_if(files, [&](const auto& file) {
    if (IsTemporaryFile(file.first)) verdict.problems += file.first + " left; ";
    return IsTemporaryFile(file.first);
  });
  const auto state = std::find_if(states_.begin(), states_.end(),
                                  [&](const State& s) { return s.files == files; });
  if (state == states_.end()) {
    verdict.problems += FileProblems(files);
    return verdict;
  }
  verdict.unitType = state->unitType;
  const bool unitFileKept = UnitFileBytes(folder) == unitFileBefore_;
  if (unitFileUnits != state->unitType && !(unitFileErrorTold && unitFileKept)) {
    verdict.problems += "SICONV.INI disagrees with the files";
  }
  return verdict;
}

}  // namespace siconv
