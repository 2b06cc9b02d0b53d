// The main window's rules on the model alone, without a display: the folder
// scan all or nothing, the selection rule, the command's list move and the
// declared units.
#include "browser/main_window_model.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "browser/file_list_model.h"
#include "engine/exceptions.h"
#include "state/folder_path.h"
#include "state/unit_type_file.h"
#include "tests/support/recording_host.h"
#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kSixCaptions = {"給圧",
                                               "送水圧",
                                               "限界圧力(透水試験)",
                                               "間隙圧(透水試験)",
                                               "荷重(ｽｳｴｰﾃﾞﾝ式ｻｳﾝﾃﾞｨﾝｸﾞ)",
                                               "地耐力(ｽｳｴｰﾃﾞﾝ式ｻｳﾝﾃﾞｨﾝｸﾞ)"};

class MainWindowModelTest : public ::testing::Test {
 protected:
  MainWindowModelTest() {
    for (const char* folder : {"first", "second", "vol/inner"}) {
      fs::create_directories(root.Path(folder));
      fs::copy(fs::path(SICONV_SOURCE_DIR) / "examples/old-units", root.Path(folder));
    }
    WriteFile(root.Path("second/SICONV.INI"), "[UNITTYPE]\r\nSI_0=1\r\nSI_1=1\r\n");
    model.OpenFolder("first");
  }

  TempDir root;
  MainWindowModel model{root.Path(),
                        {{FolderRoot(root.Path()), "ext4", "/dev/sda1", "", false},
                         {root.Path("vol"), "vfat", "/dev/sdb1", "STICK", true}}};
};

TEST_F(MainWindowModelTest, AFolderScanSwitchesEveryPartTogether) {
  WriteFile(root.Path("vol/inner/NOTE.TXT"), "");
  ASSERT_TRUE(model.OpenFolder("../vol/inner"));
  EXPECT_EQ(model.Folders().CurrentFolder(), ResolveFolder(root.Path(), "vol/inner"));
  EXPECT_EQ(model.DataFolder(), ResolveFolder(root.Path(), "vol/inner"));
  EXPECT_EQ(model.Volumes().CurrentIndex(), 1);
  EXPECT_EQ(model.List(kOldList).captions, kSixCaptions);
  EXPECT_EQ(model.FileNames(), FileListModel(model.DataFolder()).Names());
  EXPECT_EQ(std::ranges::count(model.FileNames(), "NOTE.TXT"), 1);
  // Every text of the current folder leaves the model as it is.
  for (const std::string& same : {ResolveFolder(root.Path(), "vol/inner"), std::string(),
                                  std::string("."), std::string("../inner/")}) {
    EXPECT_FALSE(model.OpenFolder(same)) << same;
  }
}

// A scan that fails anywhere leaves the folder list, the chooser, the data
// folder, UnitType, the lists, their selection and the arrows as they were.
TEST_F(MainWindowModelTest, AFailedScanLeavesEveryPartOnThePreviousFolder) {
  const std::vector<std::pair<const char*, std::function<void()>>> breakages = {
      {"SICONV.INI cannot be read",
       [&] {
         fs::remove(root.Path("second/SICONV.INI"));
         fs::create_directory(root.Path("second/SICONV.INI"));
       }},
      {"the folder is gone", [&] { fs::remove_all(root.Path("second")); }},
  };
  for (const auto& [what, breakIt] : breakages) {
    SCOPED_TRACE(what);
    model.OpenFolder(root.Path("first"));
    model.SelectRows(kOldList, {false, true});
    const QuantityList oldList = model.List(kOldList);
    const std::vector<std::string> fileNames = model.FileNames();
    breakIt();
    EXPECT_THROW(model.OpenFolder(root.Path("second")), Exception);
    EXPECT_EQ(model.Folders().CurrentFolder(), root.Path("first"));
    EXPECT_EQ(model.DataFolder(), root.Path("first"));
    EXPECT_EQ(model.Volumes().CurrentIndex(), 0);
    EXPECT_EQ(model.UnitType(), UnitTypes{});
    EXPECT_EQ(model.List(kOldList).captions, oldList.captions);
    EXPECT_EQ(model.List(kOldList).selected, oldList.selected);
    EXPECT_EQ(model.Arrows(), (ArrowState{true, false}));
    EXPECT_EQ(model.FileNames(), fileNames);
  }
}

// The list the user acted on last wins and the other list's selection goes;
// SetButtonState then keeps the selection that enables the arrow it decides.
TEST_F(MainWindowModelTest, SelectionRule) {
  ASSERT_TRUE(model.OpenFolder(root.Path("second")));  // 4 old, 2 SI captions
  struct Row {
    std::vector<bool> oldRows, siRows;  // the old list is clicked first
    int origin;
    ArrowState arrows;
  };
  const Row rows[] = {
      {{false, true, false, true}, {}, 0, {true, false}},
      {{false, true, false, true}, {}, 1, {true, false}},
      {{true}, {false, true}, 0, {false, true}},
      {{true}, {false, true}, 1, {false, true}},
      {{true}, {false, false}, 1, {true, false}},
      {{true}, {}, -1, {false, false}},
      {{}, {true}, 7, {false, false}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message()
                 << "origin " << row.origin << ", SI rows " << row.siRows.size());
    model.SelectRows(kOldList, row.oldRows);
    if (!row.siRows.empty()) model.SelectRows(kSiList, row.siRows);
    EXPECT_EQ(model.SetButtonState(row.origin), row.arrows);
    EXPECT_EQ(model.Arrows(), row.arrows);
    EXPECT_EQ(model.List(kOldList).SelCount() > 0, row.arrows.toSi);
    EXPECT_EQ(model.List(kSiList).SelCount() > 0, row.arrows.toOld);
  }
}

TEST_F(MainWindowModelTest, ConvertMovesTheConvertedItemsToTheEndOfTheOtherList) {
  ASSERT_TRUE(model.OpenFolder(root.Path("second")));
  const std::string before = ReadFile(root.Path("second/L204.TXT"));
  model.SelectRows(kOldList, {true, false, true, false});
  RecordingHost host;
  EXPECT_TRUE(model.Convert(1, host));
  EXPECT_EQ(model.ConvertResults(), (std::vector<std::uint8_t>{1, 0, 1, 0}));
  EXPECT_EQ(model.List(kSiList).captions,
            (std::vector<std::string>{kSixCaptions[0], kSixCaptions[1], kSixCaptions[2],
                                      kSixCaptions[4]}));
  EXPECT_EQ(model.List(kSiList).selected, std::vector<bool>(4, false));
  EXPECT_EQ(model.List(kOldList).captions,
            (std::vector<std::string>{kSixCaptions[3], kSixCaptions[5]}));
  EXPECT_EQ(model.UnitType(), (UnitTypes{1, 1, 1, 0, 1, 0}));
  EXPECT_NE(ReadFile(root.Path("second/L204.TXT")), before);
  EXPECT_EQ(ReadFile(root.Path("first/L204.TXT")), before);
}

// Another program converted the folder after the scan: the lists it showed
// would convert G73 a second time, so they are scanned again instead.
TEST_F(MainWindowModelTest, AFolderChangedSinceTheScanIsScannedAgainNotConverted) {
  const std::string before = ReadFile(root.Path("first/G73.TXT"));
  WriteFile(root.Path("first/SICONV.INI"), "[UNITTYPE]\r\nSI_0=1\r\n");
  model.SelectRows(kOldList, {true});
  RecordingHost host;
  EXPECT_THROW(model.Convert(1, host), Exception);
  EXPECT_EQ(ReadFile(root.Path("first/G73.TXT")), before);
  EXPECT_EQ(model.UnitType(), (UnitTypes{1, 0, 0, 0, 0, 0}));
  EXPECT_EQ(model.List(kSiList).captions, std::vector<std::string>{kSixCaptions[0]});
}

// A command refused before writing anything leaves SICONV.INI as it was:
// the next command converts, it does not take the file for another program's.
TEST_F(MainWindowModelTest, ARefusedCommandDoesNotMistakeItsOwnFolderForChanged) {
  const std::string ini = root.Path("first/SICONV.INI");
  WriteFile(ini, "[UNITTYPE]\r\n");
  fs::permissions(ini, fs::perms::owner_read);
  model.DeclareUnits({0, 1, 0, 0, 0, 0});
  model.ListSeirifromBrDatSet();
  model.SelectRows(kOldList, {true});
  RecordingHost host;
  EXPECT_THROW(model.Convert(1, host), Exception);
  fs::permissions(ini, fs::perms::owner_read | fs::perms::owner_write);
  model.SelectRows(kOldList, {true});
  EXPECT_TRUE(model.Convert(1, host));
  EXPECT_EQ(model.UnitType(), (UnitTypes{1, 1, 0, 0, 0, 0}));
}

// The window's own conversion rewrote SICONV.INI: a declaration made after it
// reaches the file with the next command, and a later change by another
// program is still caught.
TEST_F(MainWindowModelTest, ADeclarationAfterAConversionIsWrittenByTheNextCommand) {
  RecordingHost host;
  model.SelectRows(kOldList, {true});
  ASSERT_TRUE(model.Convert(1, host));
  model.DeclareUnits({1, 1, 0, 0, 0, 0});
  model.ListSeirifromBrDatSet();
  model.SelectRows(kOldList, {true});
  ASSERT_EQ(model.List(kOldList).captions.front(), kSixCaptions[2]);
  EXPECT_TRUE(model.Convert(1, host));
  EXPECT_EQ(ReadUnitTypeFile(root.Path("first")), (UnitTypes{1, 1, 1, 0, 0, 0}));

  WriteFile(root.Path("first/SICONV.INI"), "[UNITTYPE]\r\nSI_3=1\r\n");
  model.SelectRows(kOldList, {true});
  EXPECT_THROW(model.Convert(1, host), Exception);
  EXPECT_EQ(model.UnitType(), (UnitTypes{0, 0, 0, 1, 0, 0}));
}

// A command refused before it wrote SICONV.INI does not take a declaration it
// never wrote as its own: another program writing those units is still caught.
TEST_F(MainWindowModelTest, ARefusedCommandClaimsNoUnitsItDidNotWrite) {
  RecordingHost host;
  const std::string ini = root.Path("first/SICONV.INI");
  WriteFile(ini, "[UNITTYPE]\r\n");
  ASSERT_TRUE(model.OpenFolder("../second") && model.OpenFolder("../first"));
  model.DeclareUnits({0, 0, 0, 0, 0, 1});
  ASSERT_EQ(chmod(ini.c_str(), 0444), 0);
  model.SelectRows(kOldList, {true});
  EXPECT_THROW(model.Convert(1, host), Exception);  // SICONV.INI is read-only
  ASSERT_EQ(chmod(ini.c_str(), 0644), 0);
  model.DeclareUnits({0, 0, 0, 0, 1, 0});
  WriteFile(ini, "[UNITTYPE]\r\nSI_5=1\r\n");
  model.SelectRows(kOldList, {true});
  try {
    model.Convert(1, host);
    FAIL() << "another program's units were taken as the window's own";
  } catch (const Exception& e) {
    EXPECT_NE(e.Message().find("他のプログラムが変更しました"), std::string::npos);
  }
}

// Declared units list all six captions and leave the arrows alone; a new
// folder scan drops the declaration.
TEST_F(MainWindowModelTest, DeclaredUnitsListAllSixUntilTheNextScan) {
  model.SelectRows(kOldList, {true});
  model.DeclareUnits({0, 1, 0, 0, 0, 1});
  model.ListSeirifromBrDatSet();
  EXPECT_EQ(model.List(kSiList).captions,
            (std::vector<std::string>{kSixCaptions[1], kSixCaptions[5]}));
  EXPECT_EQ(model.List(kOldList).SelCount(), 0);
  EXPECT_EQ(model.Arrows(), (ArrowState{true, false}));
  ASSERT_TRUE(model.OpenFolder(root.Path("second")));
  EXPECT_EQ(model.UnitType(), (UnitTypes{1, 1, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace siconv
