#pragma once
// The folder list's tooltips, alike in every skin: over an item whose name is
// cut short, the whole name; anywhere else the list's own hint, the whole path
// of the folder it stands on.
#include <string>

#include "browser/folder_list_model.h"

namespace siconv {

// Indentation per depth step of a folder item, in pixels at 96 dots per inch.
constexpr int kFolderIndentStep = 8;

std::string FolderListHint(const FolderListModel& folders);

// The tooltip over item index (-1: no item), whose name needs textWidth
// pixels where its place leaves room pixels.
std::string FolderItemTip(const FolderListModel& folders, int index, int textWidth, int room);

}  // namespace siconv
