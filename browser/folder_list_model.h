#pragma once
// The folder list: the current folder, the items from the root down to it
// followed by its subfolders, and where each item leads.
#include <string>
#include <vector>

namespace siconv {

enum class FolderKind { OpenFolder, CurrentFolder, ClosedFolder };

struct FolderItem {
  std::string text;  // the root ("/", "C:\") for the root item, else a folder's name
  FolderKind kind;
  int depth;  // 0 for the root item; indentation steps

  bool operator==(const FolderItem&) const = default;
};

class FolderListModel {
 public:
  // Stands on folder (an absolute path).
  // Raises EInOutError when it cannot be listed.
  explicit FolderListModel(const std::string& folder);

  const std::string& CurrentFolder() const { return folder_; }
  const std::vector<FolderItem>& Items() const { return items_; }
  // The current folder's item, to be highlighted after every change.
  int CurrentItemIndex() const;

  // Where a double-click or Enter on the item leads.
  std::string ItemPath(int index) const;

 private:
  void Rebuild(std::vector<std::string> subfolders);

  std::string folder_;
  std::vector<FolderItem> items_;
};

}  // namespace siconv
