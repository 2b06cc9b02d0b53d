#include "tests/ui/window_test_support.h"

#include <QLabel>
#include <QStatusBar>
#include <QTest>
#include <filesystem>

#include "engine/file_conversion.h"
#include "tests/support/direct_install.h"

namespace siconv {
namespace fs = std::filesystem;

void WindowTest::Start() {
  // Two volumes: the system's root and the test's own folder.
  const std::vector<VolumeRecord> volumes = {{"/", "ext4", "/dev/sda1", "system", false},
                                             {root.Path(), "tmpfs", "tmpfs", "", false}};
  windows = std::make_unique<ProgramWindows>(errors, root.Path(), volumes);
  form = &windows->mainForm;
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
}

std::string WindowTest::CopyExample(const std::string& example, const std::string& folder) {
  const std::string target = root.Path(folder);
  fs::copy(fs::path(SICONV_SOURCE_DIR) / "examples" / example, target);
  return target;
}

void WindowTest::OpenFolder(const std::string& itemText) {
  DirectoryListBox& list = *form->DirectoryListBox;
  const auto found = list.findItems(QString::fromStdString(itemText), Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1) << itemText;
  DoubleClick(list, list.row(found.front()));
}

std::string WindowTest::OpenExample(const std::string& example) {
  const std::string folder = CopyExample(example, "data");
  Start();
  OpenFolder("data");
  return folder;
}

// A real double-click: QTest::mouseDClick alone sends no press before it.
void WindowTest::DoubleClick(QListWidget& list, int row) {
  const QPoint place = list.visualItemRect(list.item(row)).center();
  QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, place);
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, place);
}

void WindowTest::ClickItem(QListWidget& list, int row, Qt::KeyboardModifiers modifiers) {
  const QPoint place = list.visualItemRect(list.item(row)).center();
  QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers, place);
}

void WindowTest::SelectItems(QListWidget& list, const std::vector<int>& rows) {
  for (size_t i = 0; i < rows.size(); ++i) {
    ClickItem(list, rows[i], i == 0 ? Qt::NoModifier : Qt::ControlModifier);
  }
}

void WindowTest::PressToSi() {
  QTest::mouseClick(form->BitBtn1, Qt::LeftButton);
}
void WindowTest::PressToOld() {
  QTest::mouseClick(form->BitBtn2, Qt::LeftButton);
}

QString WindowTest::StatusText() const {
  return form->StatusBar->findChild<QLabel*>()->text();
}

std::vector<std::string> WindowTest::Captions(const QListWidget& list) {
  std::vector<std::string> captions;
  for (int i = 0; i < list.count(); ++i) captions.push_back(list.item(i)->text().toStdString());
  return captions;
}

std::vector<int> WindowTest::SelectedRows(const QListWidget& list) {
  std::vector<int> rows;
  for (int i = 0; i < list.count(); ++i) {
    if (list.item(i)->isSelected()) rows.push_back(i);
  }
  return rows;
}

std::string EngineConversionOf(const std::string& folder, int direction, int quantity,
                               const std::string& file) {
  TempDir scratch;
  const fs::path copy = fs::path(scratch.Path()) / "copy";
  fs::copy(folder, copy);
  RecordingHost host;
  UnitTypes unitType{};
  LineFile in;
  LineFile out;
  ConversionContext ctx{copy.string(), unitType, in, out, host};
  EXPECT_TRUE(ConvertDirectly(ctx, direction, quantity));
  return ReadFile((copy / file).string());
}

}  // namespace siconv
