// The folder list and the drive chooser over the folder-browser model: which
// gestures move, and that every move runs exactly one folder scan.
#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>
#include <filesystem>

#include "engine/io_code.h"
#include "tests/support/fault_injecting_file_system.h"
#include "tests/ui/window_test_support.h"
#include "ui/qt_error_ui.h"

namespace siconv {
namespace {

class FolderWidgetsTest : public WindowTest {
 protected:
  void SetUp() override {
    CopyExample("old-units", "data");
    std::filesystem::create_directory(root.Path("empty"));
    io.SetPathFilter("SICONV.INI");
  }

  // Every folder scan reads SICONV.INI once.
  int Scans() const { return io.Count(FsCall::Open); }
  int Row(const std::string& text) const {
    const auto found =
        form->DirectoryListBox->findItems(QString::fromStdString(text), Qt::MatchExactly);
    return found.size() == 1 ? form->DirectoryListBox->row(found.front()) : -1;
  }
  void ChooseVolume(int index) {
    QComboBox& combo = *form->DriveComboBox;
    combo.showPopup();
    QAbstractItemView& view = *combo.view();
    const QPoint place = view.visualRect(view.model()->index(index, 0)).center();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, place);
  }

  FaultInjectingFileSystem io;
  ScopedFileSystem scoped{io};
};

TEST_F(FolderWidgetsTest, StartShowsTheStartFolderWithoutAScan) {
  Start();
  EXPECT_EQ(Scans(), 0);
  EXPECT_EQ(form->DirectoryListBox->currentRow(), form->Folders().CurrentItemIndex());
  EXPECT_GE(Row("data"), 0);
  EXPECT_GE(Row("empty"), 0);
  EXPECT_EQ(form->ListBox1->count(), 0);
  EXPECT_EQ(form->ListBox2->count(), 0);
  EXPECT_EQ(form->DriveComboBox->currentIndex(), 1);  // the test's own volume
}

TEST_F(FolderWidgetsTest, DoubleClickMovesAndScansOnce) {
  Start();
  OpenFolder("data");
  EXPECT_EQ(Scans(), 1);
  EXPECT_EQ(form->DataFolder(), root.Path("data"));
  EXPECT_EQ(form->ListBox1->count(), 6);
  EXPECT_EQ(form->DirectoryListBox->currentItem()->text(), QStringLiteral("data"));
}

// A SICONV.INI that is there but cannot be read must not list SI data under
// old units: the scan stops before the data folder or the lists change.
TEST_F(FolderWidgetsTest, UnreadableUnitFileKeepsThePreviousState) {
  WriteFile(root.Path("data/SICONV.INI"), "[UNITTYPE]\r\nSI_0=1\r\n");
  Start();
  const std::string before = form->DataFolder();
  io.FailNth(1, io_code::kOther, FsCall::Read);
  OpenFolder("data");
  ASSERT_EQ(errors.reports.size(), 1u);
  EXPECT_EQ(errors.reports[0], "I/O エラー (31)");
  EXPECT_EQ(form->DataFolder(), before);
  EXPECT_EQ(form->ListBox1->count(), 0);
  EXPECT_EQ(form->ListBox2->count(), 0);
}

TEST_F(FolderWidgetsTest, ClicksAndArrowKeysOnlyMoveTheHighlight) {
  Start();
  ClickItem(*form->DirectoryListBox, Row("data"));
  QTest::keyClick(form->DirectoryListBox, Qt::Key_Down);
  QTest::keyClick(form->DirectoryListBox, Qt::Key_Up);
  EXPECT_EQ(Scans(), 0);
  EXPECT_EQ(form->DataFolder(), root.Path());
  EXPECT_EQ(form->DirectoryListBox->currentRow(), Row("data"));

  QTest::keyClick(form->DirectoryListBox, Qt::Key_Return);
  EXPECT_EQ(Scans(), 1);
  EXPECT_EQ(form->DataFolder(), root.Path("data"));
}

TEST_F(FolderWidgetsTest, DoubleClickingTheCurrentFolderDoesNothing) {
  Start();
  OpenFolder("data");
  DoubleClick(*form->DirectoryListBox, form->Folders().CurrentItemIndex());
  EXPECT_EQ(Scans(), 1);
}

TEST_F(FolderWidgetsTest, ParentAndBackRunTwoScansAndReadTheFolderAfresh) {
  Start();
  OpenFolder("data");
  const std::string parent = std::filesystem::path(root.Path()).filename().string();
  OpenFolder(parent);
  std::filesystem::remove(root.Path("data/G73.TXT"));
  OpenFolder("data");
  EXPECT_EQ(Scans(), 3);
  EXPECT_EQ(form->ListBox1->count(), 5);
}

TEST_F(FolderWidgetsTest, DriveChooserGoesToTheLastFolderOfAVolume) {
  Start();
  OpenFolder("data");

  ChooseVolume(0);  // "/": first visit, its root
  EXPECT_EQ(form->DataFolder(), "/");
  EXPECT_EQ(form->DriveComboBox->currentIndex(), 0);
  EXPECT_EQ(Scans(), 2);

  ChooseVolume(1);  // back to where the test's volume was left
  EXPECT_EQ(form->DataFolder(), root.Path("data"));
  EXPECT_EQ(form->ListBox1->count(), 6);
  EXPECT_EQ(Scans(), 3);

  ChooseVolume(1);  // the volume that holds the current folder
  EXPECT_EQ(Scans(), 3);
  EXPECT_TRUE(errors.reports.empty());
}

TEST_F(FolderWidgetsTest, AVolumeThatCannotBeEnteredIsReportedAndChangesNothing) {
  const std::vector<VolumeRecord> volumes = {{"/", "ext4", "", "", false},
                                             {root.Path("gone"), "vfat", "", "", true}};
  windows = std::make_unique<ProgramWindows>(errors, root.Path("data"), volumes);
  form = &windows->mainForm;
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
  const std::string parent = std::filesystem::path(root.Path()).filename().string();
  OpenFolder(parent);
  OpenFolder("data");
  const int scans = Scans();

  ChooseVolume(1);
  ASSERT_EQ(errors.reports.size(), 1u);
  EXPECT_EQ(form->DataFolder(), root.Path("data"));
  EXPECT_EQ(form->DriveComboBox->currentIndex(), 0);
  EXPECT_EQ(form->ListBox1->count(), 6);
  EXPECT_EQ(Scans(), scans);
}

// A folder name cut short shows whole in a tooltip; elsewhere the list's
// hint gives the whole path of the folder it stands on.
TEST_F(FolderWidgetsTest, ACutFolderNameShowsWholeInATooltip) {
  const std::string longName = "ボーリング調査_2023";
  std::filesystem::create_directory(root.Path(longName));
  Start();
  DirectoryListBox& list = *form->DirectoryListBox;
  const auto tooltipOver = [&](const std::string& text) {
    const QPoint place = list.visualItemRect(list.item(Row(text))).center();
    QHelpEvent help(QEvent::ToolTip, place, list.viewport()->mapToGlobal(place));
    QApplication::sendEvent(list.viewport(), &help);
    return QToolTip::text();
  };
  EXPECT_EQ(tooltipOver(longName), QString::fromStdString(longName));
  EXPECT_EQ(tooltipOver("data"), QString::fromStdString(root.Path()));
}

// The report names the folder an error concerns on a second line: a
// subfolder that cannot be listed, the current folder renamed away.
TEST_F(FolderWidgetsTest, TheReportNamesTheFolderOfAnError) {
  std::filesystem::create_directory(root.Path("data/sub"));
  Start();
  OpenFolder("data");
  io.SetPathFilter("data/sub");
  io.FailNth(1, io_code::kAccessDenied, FsCall::ListFolder);
  OpenFolder("sub");
  std::filesystem::rename(root.Path("data"), root.Path("moved"));
  ClickItem(*form->ListBox1, 0);
  PressToSi();
  QStringList shown;
  for (const Exception& e : errors.exceptions) {
    shown << MakeExceptionReport(e, "Siconv", nullptr)->text();
  }
  const QString data = QString::fromStdString(root.Path("data"));
  EXPECT_EQ(shown, (QStringList{"ファイルへのアクセスが拒否されました.\n" + data + "/sub",
                                "ファイルが見つかりません.\n" + data}));
}

}  // namespace
}  // namespace siconv
