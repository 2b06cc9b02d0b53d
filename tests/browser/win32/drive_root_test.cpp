// The model on Windows folders: a drive root is "C:\", and entries with the
// hidden or system attribute are neither folders nor files of the lists.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "browser/file_list_model.h"
#include "browser/folder_list_model.h"
#include "browser/volume_list.h"
#include "engine/win32/wide_text.h"
#include "state/folder_hold.h"
#include "state/folder_path.h"
#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

using Names = std::vector<std::string>;

void AddAttribute(const std::string& path, DWORD attribute) {
  std::wstring wide;
  ASSERT_TRUE(Utf8ToWide(path, wide));
  ASSERT_TRUE(SetFileAttributesW(wide.c_str(), GetFileAttributesW(wide.c_str()) | attribute));
}

Names ClosedFolders(const FolderListModel& model) {
  Names names;
  for (const FolderItem& item : model.Items()) {
    if (item.kind == FolderKind::ClosedFolder) names.push_back(item.text);
  }
  return names;
}

TEST(DriveRoot, IsTheRootItemAndHoldsTheFoldersOfItsDrive) {
  TempDir temp;
  const std::string root = temp.Path().substr(0, 3);
  ASSERT_EQ(root.substr(1), ":\\");
  FolderListModel model(temp.Path());
  EXPECT_EQ(model.Items()[0], (FolderItem{root, FolderKind::OpenFolder, 0}));
  EXPECT_EQ(model.ItemPath(0), root);
  EXPECT_EQ(model.ItemPath(1), root + FolderNames(temp.Path())[0]);

  const FolderListModel rootModel(model.ItemPath(0));
  EXPECT_EQ(rootModel.CurrentFolder(), root);
  EXPECT_EQ(rootModel.Items()[0], (FolderItem{root, FolderKind::CurrentFolder, 0}));

  const std::vector<VolumeItem> items = BuildVolumeItems({{root, "NTFS", "", "", false}});
  EXPECT_EQ(VolumeOfFolder(items, temp.Path()), 0);
  EXPECT_EQ(VolumeOfFolder(items, root), 0);
}

TEST(HiddenEntries, AreLeftOutOfBothLists) {
  TempDir temp;
  for (const char* name : {"G73.TXT", "G81.TXT", "L204.TXT"}) WriteFile(temp.Path(name), "x");
  AddAttribute(temp.Path("G81.TXT"), FILE_ATTRIBUTE_HIDDEN);
  AddAttribute(temp.Path("L204.TXT"), FILE_ATTRIBUTE_SYSTEM);
  for (const char* name : {"shown", "hidden", "system"}) {
    std::filesystem::create_directory(std::filesystem::u8path(temp.Path(name)));
  }
  AddAttribute(temp.Path("hidden"), FILE_ATTRIBUTE_HIDDEN);
  AddAttribute(temp.Path("system"), FILE_ATTRIBUTE_SYSTEM);
  const FolderHold hold(temp.Path());  // leaves its hidden SICONV.LCK behind

  EXPECT_EQ(FileListModel(temp.Path()).Names(), Names{"G73.TXT"});
  EXPECT_EQ(ClosedFolders(FolderListModel(temp.Path())), Names{"shown"});
}

}  // namespace
}  // namespace siconv
