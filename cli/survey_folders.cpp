#include "cli/survey_folders.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <set>
#include <utility>

#include "engine/file_system.h"
#include "engine/io_code.h"
#include "engine/path_join.h"
#include "state/folder_entries.h"
#include "state/folder_path.h"
#include "state/folder_scan.h"

namespace siconv {
namespace {

using FolderId = std::pair<std::uint64_t, std::uint64_t>;

std::optional<FolderId> IdOf(const std::string& folder) {
  FileStatus status;
  if (CurrentFileSystem().Status(folder, Links::Follow, status) != 0 ||
      status.kind == FileKind::Missing) {
    return std::nullopt;
  }
  return FolderId{status.volume, status.index};
}

// Links are not followed below a given folder, as find(1) does not: a
// folder keeps the one path it has in the tree.
bool IsLink(const std::string& path) {
  FileStatus status;
  return CurrentFileSystem().Status(path, Links::Own, status) == 0 && status.kind == FileKind::Link;
}

// Folders already walked in one tree, so that a mount of a folder inside
// itself ends the walk.
struct Walk {
  std::set<FolderId> walked;
  std::vector<std::string> found;

  bool FirstVisit(const std::string& folder) {
    const std::optional<FolderId> id = IdOf(folder);
    return !id || walked.insert(*id).second;
  }
};

void Collect(const std::string& folder, Walk& walk) {
  FolderEntries entries;
  try {
    entries = ReadFolderEntries(folder);
  } catch (const Exception&) {
    walk.found.push_back(folder);
    return;
  }
  if (!PresentQuantities(entries.files).empty()) walk.found.push_back(folder);
  std::sort(entries.folders.begin(), entries.folders.end());
  for (const std::string& name : entries.folders) {
    const std::string child = AddBackslash(folder) + name;
    if (!IsLink(child) && walk.FirstVisit(child)) Collect(child, walk);
  }
}

std::vector<std::string> Below(const std::string& root) {
  Walk walk;
  walk.FirstVisit(root);
  Collect(root, walk);
  return std::move(walk.found);
}

// The first of the folders that are the same folder on disk, else the same text.
std::vector<std::string> WithoutRepeats(const std::vector<std::string>& folders) {
  std::set<FolderId> ids;
  std::set<std::string> texts;
  std::vector<std::string> unique;
  for (const std::string& folder : folders) {
    const std::optional<FolderId> id = IdOf(folder);
    if (id ? ids.insert(*id).second : texts.insert(folder).second) unique.push_back(folder);
  }
  return unique;
}

}  // namespace

// With the current folder gone a relative name names nothing, as it would
// for any program; taken from the root it would convert another folder.
std::string AbsoluteFolder(const std::string& argument) {
  const std::optional<std::string> current = ProcessCurrentFolder();
  if (!current && FolderRoot(argument).empty()) CheckIoAt(io_code::kPathNotFound, argument);
  return ResolveFolder(current.value_or(std::string()), argument);
}

std::vector<std::string> SurveyFolders(const std::vector<std::string>& arguments, bool recursive) {
  std::vector<std::string> folders;
  for (const std::string& argument : arguments) {
    const std::string root = AbsoluteFolder(argument);
    folders.push_back(root);
    if (!recursive) continue;
    const std::vector<std::string> below = Below(root);
    folders.insert(folders.end(), below.begin(), below.end());
  }
  return WithoutRepeats(folders);
}

}  // namespace siconv
