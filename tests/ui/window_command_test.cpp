// The conversion command as the window runs it: which items move, where they
// go, what SICONV.INI and the status bar say, and how failures end it.
#include <sys/stat.h>

#include <QSignalSpy>
#include <QTest>
#include <filesystem>

#include "engine/file_conversion.h"
#include "engine/io_code.h"
#include "state/unit_type_file.h"
#include "tests/support/fault_injecting_file_system.h"
#include "tests/ui/window_test_support.h"

namespace siconv {
namespace {

std::string IniOf(const std::array<int, 6>& values) {
  std::string text = "[UNITTYPE]\r\n";
  for (int k = 0; k < 6; ++k)
    text += "SI_" + std::to_string(k) + "=" + std::to_string(values[k]) + "\r\n";
  return text;
}

class WindowCommandTest : public WindowTest {
 protected:
  void ExpectReset() {
    EXPECT_FALSE(form->BitBtn1->isEnabled());
    EXPECT_FALSE(form->BitBtn2->isEnabled());
    EXPECT_TRUE(SelectedRows(*form->ListBox1).empty());
    EXPECT_TRUE(SelectedRows(*form->ListBox2).empty());
  }
  std::string File(const std::string& name) const { return ReadFile(data + "/" + name); }

  std::string data;
};

TEST_F(WindowCommandTest, SelectedItemsMoveToTheEndInSourceOrder) {
  data = CopyExample("old-units", "data");
  WriteFile(data + "/SICONV.INI", IniOf({0, 0, 0, 0, 0, 1}));
  const std::string g73 = EngineConversionOf(data, 1, 0, "G73.TXT");
  const std::string l204 = EngineConversionOf(data, 1, 2, "L204.TXT");
  const std::string g81Before = File("G81.TXT");
  Start();
  OpenFolder("data");

  SelectItems(*form->ListBox1, {0, 2});
  PressToSi();

  EXPECT_EQ(Captions(*form->ListBox1),
            (std::vector<std::string>{kWaterPressure, kPorePressure, kLoad}));
  EXPECT_EQ(Captions(*form->ListBox2),
            (std::vector<std::string>{kBearing, kFeedPressure, kCriticalPressure}));
  EXPECT_EQ(form->ConvertResults, (std::vector<std::uint8_t>{1, 0, 1, 0, 0}));
  EXPECT_EQ(File("G73.TXT"), g73);
  EXPECT_EQ(File("L204.TXT"), l204);
  EXPECT_EQ(File("G81.TXT"), g81Before);
  EXPECT_EQ(File("SICONV.INI"), IniOf({1, 0, 1, 0, 0, 1}));
  EXPECT_EQ(StatusText().toStdString(), kDone);
  ExpectReset();
  EXPECT_TRUE(errors.reports.empty());
}

TEST_F(WindowCommandTest, StopsAtTheFirstFailureWithLaterItemsNotAttempted) {
  data = CopyExample("old-units", "data");
  std::filesystem::remove(data + "/G81.HED");
  const std::string g81Before = File("G81.TXT");
  const std::string l204Before = File("L204.TXT");
  Start();
  OpenFolder("data");

  SelectItems(*form->ListBox1, {0, 1, 2});
  PressToSi();

  ASSERT_EQ(errors.dialogs.size(), 1u);
  EXPECT_EQ(errors.dialogs[0].text, OpenErrorText(data + "/G81.HED"));
  EXPECT_EQ(errors.dialogs[0].buttons, message_dialog::kAbort);
  EXPECT_EQ(Captions(*form->ListBox2), (std::vector<std::string>{kFeedPressure}));
  EXPECT_EQ(Captions(*form->ListBox1)[0], kWaterPressure);
  EXPECT_EQ(Captions(*form->ListBox1)[1], kCriticalPressure);
  // A quantity whose header cannot be opened keeps its record file too.
  EXPECT_EQ(File("G81.TXT"), g81Before);
  EXPECT_EQ(File("L204.TXT"), l204Before);
  EXPECT_EQ(File("SICONV.INI"), IniOf({1, 0, 0, 0, 0, 0}));
  EXPECT_EQ(StatusText().toStdString(), kFailed);
  ExpectReset();
}

TEST_F(WindowCommandTest, NothingMovesButSiconvIniIsStillWritten) {
  data = CopyExample("old-units", "data");
  Start();
  OpenFolder("data");
  std::filesystem::remove(data + "/L204.TXT");  // after the scan listed it

  ClickItem(*form->ListBox1, 3);
  PressToSi();

  ASSERT_EQ(errors.dialogs.size(), 1u);
  EXPECT_EQ(Captions(*form->ListBox1), kAllSix);
  EXPECT_TRUE(form->ListBox2->count() == 0);
  EXPECT_EQ(File("SICONV.INI"), IniOf({0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(StatusText().toStdString(), kFailed);
  ExpectReset();
}

TEST_F(WindowCommandTest, ConvertingBackMovesItemsToTheOldUnitsList) {
  data = CopyExample("si-units", "data");
  const std::string g81 = EngineConversionOf(data, 0, 1, "G81.TXT");
  Start();
  OpenFolder("data");
  ASSERT_EQ(Captions(*form->ListBox2), kAllSix);

  ClickItem(*form->ListBox2, 1);
  PressToOld();

  EXPECT_EQ(Captions(*form->ListBox1), (std::vector<std::string>{kWaterPressure}));
  EXPECT_EQ(File("G81.TXT"), g81);
  EXPECT_EQ(File("SICONV.INI"), IniOf({1, 0, 1, 1, 1, 1}));
  ExpectReset();
}

// SICONV.INI that cannot be written stops the command before any file changes.
TEST_F(WindowCommandTest, UnwritableSiconvIniConvertsNothing) {
  data = CopyExample("old-units", "data");
  WriteFile(data + "/SICONV.INI", IniOf({0, 0, 0, 0, 0, 0}));
  ::chmod((data + "/SICONV.INI").c_str(), 0444);
  const std::string g73Before = File("G73.TXT");
  Start();
  OpenFolder("data");

  ClickItem(*form->ListBox1, 0);
  PressToSi();

  EXPECT_EQ(errors.reports, (std::vector<std::string>{UnitTypeFileWriteError(data).Message()}));
  EXPECT_EQ(errors.reports[0], data + "/SICONV.INI に書き込めません");
  EXPECT_EQ(File("G73.TXT"), g73Before);
  EXPECT_EQ(Captions(*form->ListBox1), kAllSix);
  EXPECT_EQ(form->UnitType, (UnitTypes{0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(StatusText(), kFailed);
}

// An error after some quantities converted: they move and SICONV.INI records
// them before the error is shown; the failing file stays as it was.
class ErrorAfterAConversionTest : public WindowCommandTest {
 protected:
  void SetUp() override { data = CopyExample("old-units", "data"); }

  void RunAndExpect(const std::string& report) {
    const std::string g73 = EngineConversionOf(data, 1, 0, "G73.TXT");
    const std::string l204Before = File("L204.TXT");
    SelectItems(*form->ListBox1, {0, 2});
    PressToSi();

    EXPECT_EQ(errors.reports, std::vector<std::string>{report});
    EXPECT_EQ(File("G73.TXT"), g73);
    EXPECT_EQ(File("L204.TXT"), l204Before);
    EXPECT_FALSE(FileExists(data + "/KELDRAN.$$$"));
    EXPECT_EQ(Captions(*form->ListBox2), std::vector<std::string>{kFeedPressure});
    EXPECT_EQ(Captions(*form->ListBox1)[1], kCriticalPressure);
    EXPECT_EQ(File("SICONV.INI"), IniOf({1, 0, 0, 0, 0, 0}));
    // No progress text outlives the command.
    EXPECT_EQ(StatusText(), kFailed);
    EXPECT_TRUE(form->Timer.isActive());
  }
};

TEST_F(ErrorAfterAConversionTest, BadField) {
  WriteFile(data + "/L204.TXT", "  1,   2.00,   7.00,  1.0,abc,0,0,0,0.5\r\n");
  Start();
  OpenFolder("data");
  RunAndExpect("'abc' は浮動小数点数ではありません");
}

// A folder change clears what the last command left in the status bar.
TEST_F(ErrorAfterAConversionTest, AFolderChangeClearsTheStatus) {
  WriteFile(data + "/L204.TXT", "  1,   2.00,   7.00,  1.0,abc,0,0,0,0.5\r\n");
  Start();
  OpenFolder("data");
  SelectItems(*form->ListBox1, {2});
  PressToSi();
  form->Timer.stop();  // the timer's tick must not be what clears it
  ASSERT_EQ(StatusText(), kFailed);
  OpenFolder(std::filesystem::path(root.Path()).filename().string());
  EXPECT_EQ(StatusText(), QString());
}

// The command's journal cannot be put in place, so no file changes and no
// item moves; SICONV.INI still records the units.
TEST_F(ErrorAfterAConversionTest, FailedJournal) {
  Start();
  OpenFolder("data");
  const std::string g73 = File("G73.TXT");
  const std::string l204 = File("L204.TXT");
  FaultInjectingFileSystem io;
  ScopedFileSystem scoped(io);
  io.FailNth(1, io_code::kSharingViolation, FsCall::Rename, "SICONV.JN$");
  SelectItems(*form->ListBox1, {0, 2});
  PressToSi();

  EXPECT_EQ(errors.reports, std::vector<std::string>{"I/O エラー (32)"});
  EXPECT_EQ(File("G73.TXT"), g73);
  EXPECT_EQ(File("L204.TXT"), l204);
  EXPECT_FALSE(FileExists(data + "/KELDRAN.$$$"));
  EXPECT_EQ(Captions(*form->ListBox1), kAllSix);
  EXPECT_EQ(File("SICONV.INI"), IniOf({0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(StatusText(), kFailed);
}

}  // namespace
}  // namespace siconv
