#include "browser/volume_chooser.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "browser/folder_list_model.h"
#include "engine/exceptions.h"
#include "state/folder_path.h"
#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

namespace fs = std::filesystem;

// Two volumes mounted inside a temporary folder, the folder list on the first.
class VolumeChooserTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& relative) const {
    return ResolveFolder(temp_.Path(), relative);
  }
  int Index(const std::string& root) const { return VolumeOfFolder(chooser_.Items(), Path(root)); }
  // Moves the folder list as the main window's model does, telling the chooser.
  std::function<void(const std::string&)> Open() {
    return [this](const std::string& path) {
      folders_ = FolderListModel(ResolveFolder(folders_.CurrentFolder(), path));
      chooser_.FolderChanged(folders_.CurrentFolder());
      ++changes_;
    };
  }

  std::string MakeTree() const {
    for (const char* folder : {"one/a", "two/b"}) fs::create_directories(Path(folder));
    return Path("one/a");
  }

  TempDir temp_;
  FolderListModel folders_{MakeTree()};
  VolumeChooser chooser_{{{"/", "ext4", "/dev/sda1", "", false},
                          {Path("one"), "ext4", "/dev/sdb1", "", false},
                          {Path("two"), "ext4", "/dev/sdc1", "", false}},
                         folders_.CurrentFolder()};
  int changes_ = 0;
};

TEST_F(VolumeChooserTest, GoesToTheRootFirstThenToTheLastFolderVisited) {
  EXPECT_EQ(chooser_.CurrentIndex(), Index("one"));
  chooser_.Choose(Index("one"), Open());
  EXPECT_EQ(changes_, 0);
  chooser_.Choose(Index("two"), Open());
  EXPECT_EQ(folders_.CurrentFolder(), Path("two"));
  EXPECT_EQ(chooser_.CurrentIndex(), Index("two"));
  Open()("b");
  chooser_.Choose(Index("one"), Open());
  EXPECT_EQ(folders_.CurrentFolder(), Path("one/a"));
  chooser_.Choose(Index("two"), Open());
  EXPECT_EQ(folders_.CurrentFolder(), Path("two/b"));
  EXPECT_EQ(changes_, 4);
}

TEST_F(VolumeChooserTest, RemovedLastFolderFailsOnceThenTheRootIsTried) {
  chooser_.Choose(Index("two"), Open());
  Open()("b");
  chooser_.Choose(Index("one"), Open());
  fs::remove(Path("two/b"));
  EXPECT_THROW(chooser_.Choose(Index("two"), Open()), EInOutError);
  EXPECT_EQ(folders_.CurrentFolder(), Path("one/a"));
  EXPECT_EQ(chooser_.CurrentIndex(), Index("one"));
  chooser_.Choose(Index("two"), Open());
  EXPECT_EQ(folders_.CurrentFolder(), Path("two"));
}

}  // namespace
}  // namespace siconv
