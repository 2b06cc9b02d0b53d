#include "browser/file_list_model.h"

#include <algorithm>

#include "state/folder_entries.h"
#include "state/folder_path.h"

namespace siconv {
namespace {

std::vector<std::string> SortedFileNames(const std::string& folder) {
  std::vector<std::string> names = ReadFolderEntries(folder).files;
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

}  // namespace

FileListModel::FileListModel(const std::string& folder)
    : names_(SortedFileNames(FolderText(folder))) {}

}  // namespace siconv
