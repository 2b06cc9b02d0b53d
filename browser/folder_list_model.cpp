#include "browser/folder_list_model.h"

#include <utility>

#include "browser/folder_name_order.h"
#include "engine/path_join.h"
#include "state/folder_entries.h"
#include "state/folder_path.h"

namespace siconv {

FolderListModel::FolderListModel(const std::string& folder) : folder_(FolderText(folder)) {
  Rebuild(ReadFolderEntries(folder_).folders);
}

int FolderListModel::CurrentItemIndex() const {
  return static_cast<int>(FolderNames(folder_).size());
}

std::string FolderListModel::ItemPath(int index) const {
  const FolderItem& item = items_.at(index);
  if (item.kind == FolderKind::ClosedFolder) return AddBackslash(folder_) + item.text;
  std::string path = FolderRoot(folder_);
  std::vector<std::string> names = FolderNames(folder_);
  for (int i = 0; i < index; ++i) path = AddBackslash(path) + names[i];
  return path;
}

void FolderListModel::Rebuild(std::vector<std::string> subfolders) {
  std::vector<std::string> names = FolderNames(folder_);
  int depth = static_cast<int>(names.size());
  items_.clear();
  items_.push_back(
      {FolderRoot(folder_), depth == 0 ? FolderKind::CurrentFolder : FolderKind::OpenFolder, 0});
  for (int i = 0; i < depth; ++i) {
    FolderKind kind = i + 1 == depth ? FolderKind::CurrentFolder : FolderKind::OpenFolder;
    items_.push_back({std::move(names[i]), kind, i + 1});
  }
  for (std::string& name : OrderFolderNames(std::move(subfolders))) {
    items_.push_back({std::move(name), FolderKind::ClosedFolder, depth + 1});
  }
}

}  // namespace siconv
