#include "browser/folder_list_tips.h"

#include "browser/folder_display_name.h"

namespace siconv {

std::string FolderListHint(const FolderListModel& folders) {
  return FolderDisplayName(folders.CurrentFolder());
}

std::string FolderItemTip(const FolderListModel& folders, int index, int textWidth, int room) {
  const bool item = index >= 0 && static_cast<std::size_t>(index) < folders.Items().size();
  if (!item || textWidth <= room) return FolderListHint(folders);
  return FolderDisplayName(folders.Items()[static_cast<std::size_t>(index)].text);
}

}  // namespace siconv
