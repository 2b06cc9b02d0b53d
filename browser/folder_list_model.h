#pragma once
// The folder list: the current folder, the items from the root down to it
// followed by its subfolders, and the moves between folders.
#include <functional>
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
  // Stands on folder (an absolute path) without firing any listener.
  // Raises EInOutError when it cannot be listed.
  explicit FolderListModel(const std::string& folder);

  const std::string& CurrentFolder() const { return folder_; }
  const std::vector<FolderItem>& Items() const { return items_; }
  // The current folder's item, to be highlighted after every change.
  int CurrentItemIndex() const;

  // Where a double-click or Enter on the item leads.
  std::string ItemPath(int index) const;
  void OpenItem(int index) { ChangeFolder(ItemPath(index)); }

  // Nothing happens when path is empty or names the current folder. A
  // relative path is taken from the current folder. A folder that cannot be
  // listed raises EInOutError and leaves the model as it was; any other move
  // rebuilds the items and then calls every listener once.
  void ChangeFolder(const std::string& path);

  // Listeners run in the order added; an exception from one ends the round
  // and reaches the caller of the change, which has already happened.
  void AddChangeListener(std::function<void()> listener);

 private:
  void Rebuild(std::vector<std::string> subfolders);

  std::string folder_;
  std::vector<FolderItem> items_;
  std::vector<std::function<void()>> listeners_;
};

}  // namespace siconv
