#include "browser/file_list_model.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/exceptions.h"
#include "state/folder_path.h"
#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

class FileListModelTest : public ::testing::Test {
 protected:
  FileListModelTest() {
    fs::create_directories(Path("data/G81.TXT"));  // a folder with a file's name
    fs::create_directory(Path("other"));
    for (const char* name : {"data/G73.TXT", "data/b.txt", "data/A.txt", "data/.G73.TXT"}) {
      WriteFile(Path(name), "x");
    }
    WriteFile(Path("data/G73.HED"), "x");
    fs::permissions(Path("data/G73.HED"), fs::perms::owner_read);
    fs::create_symlink("G73.TXT", Path("data/L204.TXT"));
    fs::create_symlink("missing", Path("data/L205.TXT"));
    fs::create_directory_symlink("../other", Path("data/linked"));
  }

  std::string Path(const std::string& relative) const {
    return ResolveFolder(temp_.Path(), relative);
  }

  TempDir temp_;
};

TEST_F(FileListModelTest, ListsVisibleRegularFilesInByteOrder) {
  FileListModel list(Path("data"));
  EXPECT_EQ(list.Folder(), Path("data"));
  EXPECT_EQ(list.Names(), (Names{"A.txt", "G73.HED", "G73.TXT", "L204.TXT", "b.txt"}));
  ASSERT_EQ(list.Count(), 5);
  EXPECT_EQ(list.Item(4), "b.txt");
}

TEST_F(FileListModelTest, ReadsNamesOnlyWhenTheFolderChanges) {
  FileListModel list(Path("data"));
  WriteFile(Path("data/L205.HED"), "x");
  for (const char* same : {".", "G81.TXT/..", "../data/"}) list.SetFolder(same);
  EXPECT_EQ(list.Count(), 5);

  list.SetFolder("../other");
  EXPECT_EQ(list.Folder(), Path("other"));
  EXPECT_EQ(list.Count(), 0);
  list.SetFolder(Path("data"));
  EXPECT_EQ(list.Count(), 6);
}

TEST_F(FileListModelTest, UnreadableFolderLeavesTheListAsItWas) {
  struct Case {
    const char* folder;
    int ioCode;
  };
  for (const Case& c : {Case{"missing", 2}, Case{"data/A.txt", 3}}) {
    FileListModel list(Path("data"));
    try {
      list.SetFolder(Path(c.folder));
      ADD_FAILURE() << c.folder << " was read";
    } catch (const EInOutError& error) {
      EXPECT_EQ(error.IoCode(), c.ioCode) << c.folder;
    }
    EXPECT_EQ(list.Folder(), Path("data"));
    EXPECT_EQ(list.Count(), 5);
  }
}

}  // namespace
}  // namespace siconv
