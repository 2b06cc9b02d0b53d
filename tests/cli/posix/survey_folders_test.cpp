#include "cli/survey_folders.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

namespace fs = std::filesystem;

// root/{B2, a, a/deep, b/c} hold record files; root/b holds none, .hidden
// is hidden and a/loop is a link back to root. POSIX only: the tree needs a
// link to a folder, and the expected paths are written with "/".
class SurveyFoldersTest : public ::testing::Test {
 protected:
  SurveyFoldersTest() {
    for (const char* file : {"B2/L204.TXT", "a/G73.TXT", "a/deep/g81.txt", "b/readme.txt",
                             "b/c/L205.TXT", ".hidden/G73.TXT", "b/c/.x/G73.TXT", "z/G73.HED"}) {
      fs::create_directories(fs::path(Path(file)).parent_path());
      WriteFile(Path(file), "");
    }
    fs::create_directory_symlink(dir.Path("root"), Path("a/loop"));
  }
  std::string Path(const std::string& name) const { return dir.Path("root/" + name); }

  TempDir dir;
};

TEST_F(SurveyFoldersTest, WalksSortedSkippingHiddenFoldersAndLinks) {
  EXPECT_EQ(SurveyFolders({dir.Path("root")}, true),
            (std::vector<std::string>{dir.Path("root"), Path("B2"), Path("a"), Path("a/deep"),
                                      Path("b/c")}));
}

TEST_F(SurveyFoldersTest, EveryFolderComesOnceWhateverWayItIsNamed) {
  EXPECT_EQ(SurveyFolders({Path("a"), dir.Path("root"), Path("a/../a/"), Path("a/loop/a")}, true),
            (std::vector<std::string>{Path("a"), Path("a/deep"), dir.Path("root"), Path("B2"),
                                      Path("b/c")}));
}

TEST_F(SurveyFoldersTest, GivenFoldersAreKeptWithoutRecordFilesOrEvenExisting) {
  EXPECT_EQ(SurveyFolders({Path("b"), Path("missing")}, false),
            (std::vector<std::string>{Path("b"), Path("missing")}));
  EXPECT_EQ(SurveyFolders({Path("missing")}, true), (std::vector<std::string>{Path("missing")}));
}

}  // namespace
}  // namespace siconv
