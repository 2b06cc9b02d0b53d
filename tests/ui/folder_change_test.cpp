// Folder changes as the user makes them: a failed change leaves every control
// on the previous folder, the drive chooser follows the folder list, and
// folder names are listed and opened by their bytes.
#include <QTest>
#include <filesystem>

#include "tests/ui/window_test_support.h"

namespace siconv {
namespace {

namespace fs = std::filesystem;

class FolderChangeTest : public WindowTest {
 protected:
  std::string CurrentFolderItem() const {
    return form->DirectoryListBox->currentItem()->text().toStdString();
  }
};

// A folder whose SICONV.INI cannot be read: the error is shown and the arrow
// converts the folder that the folder list still shows, never another one.
TEST_F(FolderChangeTest, AFailedChangeLeavesEveryControlOnThePreviousFolder) {
  const std::string data = CopyExample("old-units", "data");
  const std::string broken = data + "/broken";
  fs::copy(fs::path(SICONV_SOURCE_DIR) / "examples/old-units", broken);
  fs::create_directory(broken + "/SICONV.INI");
  const std::string brokenG73 = ReadFile(broken + "/G73.TXT");
  Start();
  OpenFolder("data");
  const int volume = form->DriveComboBox->currentIndex();

  OpenFolder("broken");
  ASSERT_EQ(errors.reports.size(), 1u);
  EXPECT_EQ(CurrentFolderItem(), "data");
  EXPECT_EQ(form->Folders().CurrentFolder(), data);
  EXPECT_EQ(form->DataFolder(), data);
  EXPECT_EQ(form->DriveComboBox->currentIndex(), volume);

  ClickItem(*form->ListBox1, 0);
  PressToSi();
  EXPECT_EQ(StatusText(), kDone);
  EXPECT_EQ(ReadFile(broken + "/G73.TXT"), brokenG73);
  EXPECT_NE(ReadFile(data + "/G73.TXT"), brokenG73);
}

TEST_F(FolderChangeTest, TheDriveChooserFollowsTheFolderListIntoAVolume) {
  fs::create_directories(root.Path("stick/survey"));
  windows = std::make_unique<ProgramWindows>(
      errors, root.Path(),
      std::vector<VolumeRecord>{{"/", "ext4", "/dev/sda1", "", false},
                                {root.Path("stick"), "vfat", "/dev/sdb1", "STICK", true}});
  form = &windows->mainForm;
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
  ASSERT_EQ(form->DriveComboBox->currentIndex(), 0);

  OpenFolder("stick");
  EXPECT_EQ(form->DriveComboBox->currentText().toStdString(), root.Path("stick"));
  OpenFolder("survey");
  EXPECT_EQ(form->DriveComboBox->currentIndex(), 1);
  OpenFolder(fs::path(root.Path()).filename().string());
  EXPECT_EQ(form->DriveComboBox->currentIndex(), 0);
}

// Names differing only in case are three folders; a Shift-JIS name shows as
// its CP932 text and opens by its bytes.
TEST_F(FolderChangeTest, EveryFolderNameIsListedAndOpensItsOwnFolder) {
  for (const char* name : {"Data", "data", "DATA"}) fs::create_directory(root.Path(name));
  CopyExample("old-units", "data/survey");
  const std::string shiftJis = "\x83\x66\x81\x5b\x83\x5e";  // データ
  CopyExample("si-units", shiftJis);
  Start();
  for (const char* name : {"Data", "data", "DATA"}) {
    ASSERT_EQ(form->DirectoryListBox->findItems(name, Qt::MatchExactly).size(), 1) << name;
  }
  OpenFolder("data");
  EXPECT_EQ(form->DataFolder(), root.Path("data"));
  OpenFolder("survey");
  EXPECT_EQ(form->ListBox1->count(), 6);

  OpenFolder(fs::path(root.Path()).filename().string());
  OpenFolder("データ");
  EXPECT_EQ(form->DataFolder(), root.Path(shiftJis));
  EXPECT_EQ(form->ListBox2->count(), 6);
  EXPECT_TRUE(errors.reports.empty());
}

}  // namespace
}  // namespace siconv
