#include "browser/file_list_model.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/exceptions.h"
#include "engine/io_code.h"
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
  EXPECT_EQ(FileListModel(Path("data")).Names(),
            (Names{"A.txt", "G73.HED", "G73.TXT", "L204.TXT", "b.txt"}));
  EXPECT_EQ(FileListModel(Path("other")).Names(), Names{});
}

TEST_F(FileListModelTest, UnreadableFolderRaisesItsIoCode) {
  struct Case {
    const char* folder;
    int ioCode;
  };
  for (const Case& c :
       {Case{"missing", io_code::kFileNotFound}, Case{"data/A.txt", io_code::kPathNotFound}}) {
    try {
      FileListModel list(Path(c.folder));
      ADD_FAILURE() << c.folder << " was read";
    } catch (const EInOutError& error) {
      EXPECT_EQ(error.IoCode(), c.ioCode) << c.folder;
    }
  }
}

}  // namespace
}  // namespace siconv
