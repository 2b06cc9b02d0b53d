// The initial-unit settings dialog and the version dialog, opened from the
// main window's buttons and used as the user does.
#include <QApplication>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <filesystem>

#include "tests/ui/window_test_support.h"

namespace siconv {
namespace {

class SettingsDialogTest : public WindowTest {
 protected:
  TFormBorSel& Dialog() { return windows->FormBorSel; }
  void Open() { QTest::mouseClick(form->BitBtnBorSet, Qt::LeftButton); }
  void Check(QRadioButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
  void Execute() { QTest::mouseClick(Dialog().BitBtnExit, Qt::LeftButton); }
  void Cancel() { QTest::mouseClick(Dialog().BitBtnCancel, Qt::LeftButton); }
  std::vector<bool> SiChecked() {
    TFormBorSel& d = Dialog();
    std::vector<bool> checked;
    for (QRadioButton* b : {d.RadioButton2, d.RadioButton4, d.RadioButton6, d.RadioButton8,
                            d.RadioButton10, d.RadioButton12}) {
      checked.push_back(b->isChecked());
    }
    return checked;
  }
};

TEST_F(SettingsDialogTest, ExecuteListsAllSixBeforeAnyFolderWasChosen) {
  Start();
  Open();
  ASSERT_TRUE(Dialog().isVisible());
  EXPECT_FALSE(Dialog().isModal());
  EXPECT_EQ(SiChecked(), std::vector<bool>(6, false));
  EXPECT_TRUE(Dialog().RadioButton1->isChecked());

  Check(Dialog().RadioButton4);
  Check(Dialog().RadioButton12);
  Check(Dialog().RadioButton11);  // the pair's other button clears it again
  Check(Dialog().RadioButton12);
  Execute();

  EXPECT_FALSE(Dialog().isVisible());
  EXPECT_EQ(form->UnitType, (UnitTypes{0, 1, 0, 0, 0, 1}));
  EXPECT_EQ(Captions(*form->ListBox1),
            (std::vector<std::string>{kFeedPressure, kCriticalPressure, kPorePressure, kLoad}));
  EXPECT_EQ(Captions(*form->ListBox2), (std::vector<std::string>{kWaterPressure, kBearing}));
}

TEST_F(SettingsDialogTest, AQuantityWithoutFilesFailsWithTheOpenError) {
  std::filesystem::create_directory(root.Path("empty"));
  Start();
  OpenFolder("empty");
  Open();
  Execute();
  ASSERT_EQ(Captions(*form->ListBox1), kAllSix);

  ClickItem(*form->ListBox1, 0);
  PressToSi();
  ASSERT_EQ(errors.dialogs.size(), 1u);
  EXPECT_EQ(errors.dialogs[0].text, OpenErrorText(root.Path("empty/G73.TXT")));
  EXPECT_EQ(StatusText().toStdString(), kFailed);
  EXPECT_EQ(Captions(*form->ListBox1), kAllSix);
}

// "実行(&O)" does not reset the buttons: one left enabled converts nothing
// and records the declared units.
TEST_F(SettingsDialogTest, AButtonLeftEnabledRecordsTheDeclaredUnits) {
  const std::string data = OpenExample("old-units");
  const std::string g73Before = ReadFile(data + "/G73.TXT");
  ClickItem(*form->ListBox1, 0);
  Open();
  Check(Dialog().RadioButton2);
  Execute();
  ASSERT_TRUE(form->BitBtn1->isEnabled());
  EXPECT_TRUE(SelectedRows(*form->ListBox1).empty());

  PressToSi();
  EXPECT_EQ(ReadFile(data + "/G73.TXT"), g73Before);
  EXPECT_EQ(ReadFile(data + "/SICONV.INI"),
            "[UNITTYPE]\r\nSI_0=1\r\nSI_1=0\r\nSI_2=0\r\nSI_3=0\r\nSI_4=0\r\nSI_5=0\r\n");
  EXPECT_EQ(StatusText().toStdString(), kDone);
  EXPECT_EQ(Captions(*form->ListBox2), std::vector<std::string>{kFeedPressure});
}

TEST_F(SettingsDialogTest, ExecuteUnchangedRestoresCatalogueOrderAndClearsSelections) {
  const std::string data = CopyExample("old-units", "data");
  WriteFile(data + "/SICONV.INI", "[UNITTYPE]\r\nSI_5=1\r\n");
  Start();
  OpenFolder("data");
  ClickItem(*form->ListBox1, 0);
  PressToSi();
  ASSERT_EQ(Captions(*form->ListBox2), (std::vector<std::string>{kBearing, kFeedPressure}));
  ClickItem(*form->ListBox2, 0);

  Open();
  Execute();
  EXPECT_EQ(Captions(*form->ListBox2), (std::vector<std::string>{kFeedPressure, kBearing}));
  EXPECT_TRUE(SelectedRows(*form->ListBox2).empty());
}

TEST_F(SettingsDialogTest, AnEntryOtherThanOneShowsAsOldUnitsAndIsStoredAsZero) {
  const std::string data = CopyExample("old-units", "data");
  WriteFile(data + "/SICONV.INI", "[UNITTYPE]\r\nSI_0=2\r\nSI_1=1\r\n");
  Start();
  OpenFolder("data");
  ASSERT_EQ(Captions(*form->ListBox2), (std::vector<std::string>{kFeedPressure, kWaterPressure}));

  Open();
  EXPECT_TRUE(Dialog().RadioButton1->isChecked());
  EXPECT_TRUE(Dialog().RadioButton4->isChecked());
  Execute();
  EXPECT_EQ(form->UnitType, (UnitTypes{0, 1, 0, 0, 0, 0}));
  EXPECT_EQ(Captions(*form->ListBox2), std::vector<std::string>{kWaterPressure});
}

TEST_F(SettingsDialogTest, CancelChangesNothingAndTheNextOpeningPresetsAgain) {
  Start();
  Open();
  Check(Dialog().RadioButton2);
  Check(Dialog().RadioButton8);
  Cancel();
  EXPECT_FALSE(Dialog().isVisible());
  EXPECT_EQ(form->UnitType, (UnitTypes{}));
  EXPECT_EQ(form->ListBox1->count(), 0);

  Open();
  EXPECT_EQ(SiChecked(), std::vector<bool>(6, false));
  Check(Dialog().RadioButton2);
  Dialog().close();  // the close box
  EXPECT_FALSE(Dialog().isVisible());
  EXPECT_EQ(form->UnitType, (UnitTypes{}));
  Open();
  EXPECT_EQ(SiChecked(), std::vector<bool>(6, false));
}

TEST_F(SettingsDialogTest, AFolderChangeLosesTheDeclaration) {
  CopyExample("old-units", "a");
  CopyExample("old-units", "b");
  Start();
  const std::string parent = std::filesystem::path(root.Path()).filename().string();
  OpenFolder("a");
  Open();
  Check(Dialog().RadioButton2);
  Execute();
  ASSERT_EQ(form->UnitType[0], 1);

  OpenFolder(parent);
  OpenFolder("b");
  OpenFolder(parent);
  OpenFolder("a");
  EXPECT_EQ(form->UnitType, (UnitTypes{}));
  EXPECT_EQ(Captions(*form->ListBox1), kAllSix);
  EXPECT_FALSE(FileExists(root.Path("a/SICONV.INI")));
}

TEST_F(SettingsDialogTest, TheMainWindowStaysUsableWhileItIsShown) {
  OpenExample("old-units");
  Open();
  ClickItem(*form->ListBox1, 1);
  PressToSi();
  EXPECT_TRUE(Dialog().isVisible());
  EXPECT_EQ(Captions(*form->ListBox2), std::vector<std::string>{kWaterPressure});
}

class VersionDialogTest : public WindowTest {
 protected:
  void PressVersion() {
    QTest::mouseClick(form->CoolBar1->widgetForAction(form->SpeedButton2), Qt::LeftButton);
  }
  int VisibleVersionDialogs() const {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (qobject_cast<TFormVersion*>(w) != nullptr && w->isVisible()) ++n;
    }
    return n;
  }
  QStringList Texts() const {
    const TFormVersion& d = windows->FormVersion;
    return {d.windowTitle(), d.Label4->text(), d.Label1->text(), d.Label2->text(),
            d.Button1->text()};
  }
};

TEST_F(VersionDialogTest, PressingTwiceShowsOneDialog) {
  Start();
  EXPECT_EQ(VisibleVersionDialogs(), 0);
  PressVersion();
  PressVersion();
  EXPECT_EQ(VisibleVersionDialogs(), 1);
  EXPECT_FALSE(windows->FormVersion.isModal());
  EXPECT_EQ(Texts(),
            (QStringList{"バージョン情報", "SI単位変換プログラム", "VELD", "Ver1.02", "&OK"}));
}

TEST_F(VersionDialogTest, ClosingOnlyHidesAndReopeningShowsTheSameTexts) {
  Start();
  PressVersion();
  const QStringList first = Texts();
  QTest::mouseClick(windows->FormVersion.Button1, Qt::LeftButton);
  EXPECT_EQ(VisibleVersionDialogs(), 0);
  PressVersion();
  windows->FormVersion.close();
  EXPECT_EQ(VisibleVersionDialogs(), 0);
  PressVersion();
  EXPECT_EQ(VisibleVersionDialogs(), 1);
  EXPECT_EQ(Texts(), first);
}

}  // namespace
}  // namespace siconv
