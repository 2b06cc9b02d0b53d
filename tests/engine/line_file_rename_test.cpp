#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/io_code.h"
#include "engine/line_file.h"
#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

class LineFileRename : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFile(temp, "new\r\n");
    WriteFile(original, "old\r\n");
    file.Bind(temp);
  }

  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir.Path())) {
      names.push_back(e.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  TempDir dir;
  std::string temp = dir.Path("KELDRAN.$$$");
  std::string original = dir.Path("G73.TXT");
  LineFile file;
};

TEST_F(LineFileRename, RemoveDeletesTheNamedFile) {
  EXPECT_EQ(file.Remove(), 0);
  EXPECT_FALSE(FileExists(temp));
  EXPECT_EQ(file.Remove(), io_code::kFileNotFound);
}

TEST_F(LineFileRename, MoveToRenamesAndTakesTheNewName) {
  std::string target = dir.Path("G81.TXT");
  ASSERT_EQ(file.MoveTo(target), 0);
  EXPECT_EQ(file.Name(), target);
  EXPECT_EQ(file.Close(), io_code::kNotOpen);
  EXPECT_FALSE(FileExists(temp));
  EXPECT_EQ(ReadFile(target), "new\r\n");
}

TEST_F(LineFileRename, MoveToNeverReplacesAnExistingFile) {
  int code = file.MoveTo(original);
  EXPECT_EQ(code, io_code::kAlreadyExists);
  EXPECT_EQ(file.Name(), temp);
  EXPECT_EQ(ReadFile(temp), "new\r\n");
  EXPECT_EQ(ReadFile(original), "old\r\n");
  try {
    CheckIo(code);
    ADD_FAILURE() << "CheckIo did not raise";
  } catch (const EInOutError& e) {
    EXPECT_EQ(e.Message(), "I/O エラー (183)");
  }
}

TEST_F(LineFileRename, MoveToTellsAMissingSourceFromAMissingTargetFolder) {
  EXPECT_EQ(file.MoveTo(dir.Path("nowhere/G81.TXT")), io_code::kPathNotFound);
  LineFile gone;
  gone.Bind(dir.Path("gone"));
  EXPECT_EQ(gone.MoveTo(dir.Path("G81.TXT")), io_code::kFileNotFound);
  EXPECT_EQ(Entries(), (std::vector<std::string>{"G73.TXT", "KELDRAN.$$$"}));
}

}  // namespace
}  // namespace siconv
