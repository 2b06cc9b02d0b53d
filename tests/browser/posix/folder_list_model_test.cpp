#include "browser/folder_list_model.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/exceptions.h"
#include "engine/io_code.h"
#include "state/folder_path.h"
#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

namespace fs = std::filesystem;

class FolderListModelTest : public ::testing::Test {
 protected:
  FolderListModelTest() {
    fs::create_directories(Folder("a/b"));
    for (const char* name : {"b", "A", "c", ".hidden", "Data", "data"}) {
      fs::create_directory(Folder("a/b/" + std::string(name)));
    }
    WriteFile(Folder("a/b/plain.txt"), "");
    fs::create_directory_symlink(Folder("a"), Folder("a/b/linked"));
  }

  std::string Folder(const std::string& relative = "") const {
    return ResolveFolder(temp_.Path(), relative);
  }
  std::vector<std::string> Texts(const FolderListModel& model, FolderKind kind) const {
    std::vector<std::string> texts;
    for (const FolderItem& item : model.Items()) {
      if (item.kind == kind) texts.push_back(item.text);
    }
    return texts;
  }

  TempDir temp_;
};

TEST_F(FolderListModelTest, RootIsTheOnlyItemAboveTheSubfolders) {
  FolderListModel model("/");
  EXPECT_EQ(model.CurrentFolder(), "/");
  EXPECT_EQ(model.Items()[0], (FolderItem{"/", FolderKind::CurrentFolder, 0}));
  ASSERT_GT(model.Items().size(), 1u);
  EXPECT_EQ(model.Items()[1].depth, 1);
  EXPECT_EQ(model.ItemPath(1), "/" + model.Items()[1].text);
}

TEST_F(FolderListModelTest, DeepFolderShowsTheWayDownThenSortedSubfolders) {
  FolderListModel model(Folder("a/b"));
  std::vector<std::string> way = FolderNames(Folder("a"));
  way.insert(way.begin(), "/");
  EXPECT_EQ(Texts(model, FolderKind::OpenFolder), way);
  EXPECT_EQ(Texts(model, FolderKind::CurrentFolder), std::vector<std::string>{"b"});
  // Hidden folders and plain files are left out; a link to a folder is a
  // folder; names that differ only in case are different folders.
  EXPECT_EQ(Texts(model, FolderKind::ClosedFolder),
            (std::vector<std::string>{"A", "b", "c", "Data", "data", "linked"}));
  int current = model.CurrentItemIndex();
  EXPECT_EQ(model.Items()[current].kind, FolderKind::CurrentFolder);
  for (int i = 0; i < static_cast<int>(model.Items().size()); ++i) {
    EXPECT_EQ(model.Items()[i].depth, std::min(i, current + 1)) << i;
  }
}

TEST_F(FolderListModelTest, ItemPathsOfEachKind) {
  FolderListModel model(Folder("a/b"));
  int current = model.CurrentItemIndex();
  EXPECT_EQ(model.ItemPath(0), "/");
  EXPECT_EQ(model.ItemPath(current - 1), Folder("a"));
  EXPECT_EQ(model.ItemPath(current), Folder("a/b"));
  EXPECT_EQ(model.ItemPath(current + 1), Folder("a/b/A"));
}

TEST_F(FolderListModelTest, FolderThatCannotBeListedRaisesItsIoCode) {
  struct Case {
    const char* path;
    int ioCode;
  };
  const Case cases[] = {{"a/b/gone", io_code::kFileNotFound},
                        {"a/b/plain.txt", io_code::kPathNotFound},
                        {"gone/x", io_code::kPathNotFound}};
  for (const Case& c : cases) {
    try {
      FolderListModel model(Folder(c.path));
      ADD_FAILURE() << c.path << " was listed";
    } catch (const EInOutError& error) {
      EXPECT_EQ(error.IoCode(), c.ioCode) << c.path;
    }
  }
}

}  // namespace
}  // namespace siconv
