// The window's conversion command (Transdata through the real widgets) with a
// fault at every platform call it makes: each data file stays as before or
// as after its own conversion, no temporary file is left, UnitType,
// SICONV.INI and the two lists agree with the files, and the user is told in
// the system's text.
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <functional>

#include "engine/io_code.h"
#include "engine/quantity_catalogue.h"
#include "state/unit_type_file.h"
#include "tests/support/command_states.h"
#include "tests/support/fault_injecting_file_system.h"
#include "tests/support/ram_temp_base.h"
#include "tests/ui/window_test_support.h"

namespace siconv {
namespace {

namespace fs = std::filesystem;

// G73 once, then L204 twice: ListBox1 rows 0, 2 and 3 of an all-old folder.
const std::vector<int> kQuantities = {0, 2, 3};

std::vector<std::string> Sorted(std::vector<std::string> captions) {
  std::sort(captions.begin(), captions.end());
  return captions;
}

// The captions filed under old units (false) or SI units (true) by unitType.
std::vector<std::string> Filed(const UnitTypes& unitType, bool si) {
  std::vector<std::string> captions;
  for (int q = 0; q < kQuantityCount; ++q) {
    if ((unitType[q] != 0) == si) captions.push_back(Quantities()[q].caption);
  }
  return Sorted(captions);
}

// RamTempBase comes first, so that the window's root folder is in memory.
class WindowFaultTest : public RamTempBase, public WindowTest {
 protected:
  // Moves up, puts the folder back as it was, and opens it again: a fresh
  // scan reads UnitType and fills the lists.
  void Reopen(const FolderFiles& original) {
    OpenFolder(fs::path(root.Path()).filename().string());
    fs::remove_all(data);
    fs::create_directory(data);
    for (const auto& [name, bytes] : original) WriteFile(data + "/" + name, bytes);
    OpenFolder("data");
    errors.dialogs.clear();
    errors.reports.clear();
  }

  void ConvertRows(FileSystem& io) {
    SelectItems(*form->ListBox1, {0, 2, 3});
    ScopedFileSystem scope(io);
    PressToSi();
  }

  // The system's texts for an injected EIO: the report of the I/O error or
  // of SICONV.INI's write error, or the open error dialog and the failed status.
  bool UserWasTold() const {
    if (errors.reports.size() == 1) {
      return errors.reports[0] == MakeIoError(io_code::kOther).Message() ||
             errors.reports[0] == UnitTypeFileWriteError(data).Message();
    }
    return errors.reports.empty() && errors.dialogs.size() == 1 &&
           errors.dialogs[0].text.starts_with("ファイルがオープンできません\r\n[" + data + "/") &&
           StatusText().toStdString() == kFailed;
  }

  // Converts rows 0, 2 and 3 once with every platform call failing in turn,
  // checks the folder, UnitType and what the user was told, then check.
  void FailEveryCall(const std::function<void(const CommandStates::Verdict&)>& check) {
    data = CopyExample("old-units", "data");
    const FolderFiles original = DataFilesOf(data);
    const CommandStates states(data, 1, kQuantities, UnitTypes{});
    Start();
    Reopen(original);
    FaultInjectingFileSystem counter;
    ConvertRows(counter);
    ASSERT_EQ(StatusText().toStdString(), kDone);
    ASSERT_EQ(form->UnitType, states.FinalUnits());
    const int calls = counter.Count();
    ASSERT_GT(calls, 50);
    for (int n = 1; n <= calls; ++n) {
      SCOPED_TRACE("failing call " + std::to_string(n) + " of " + std::to_string(calls));
      Reopen(original);
      FaultInjectingFileSystem io;
      io.FailNth(n, io_code::kOther);
      ConvertRows(io);
      ASSERT_TRUE(io.FaultFired());
      const bool unitFileError = std::count(errors.reports.begin(), errors.reports.end(),
                                            UnitTypeFileWriteError(data).Message()) > 0;
      const CommandStates::Verdict verdict =
          states.Judge(data, ReadUnitTypeFile(data), unitFileError);
      EXPECT_EQ(verdict.problems, "");
      EXPECT_EQ(form->UnitType, verdict.unitType);
      // Releasing the folder's lock changes nothing, so its failure is not news.
      const FaultInjectingFileSystem::Call& failed = counter.Calls()[n - 1];
      const bool lockReleased = failed.kind == FsCall::Close && failed.path == data;
      EXPECT_TRUE(lockReleased ? StatusText().toStdString() == kDone : UserWasTold())
          << StatusText().toStdString();
      check(verdict);
    }
  }

  std::string data;
};

TEST_F(WindowFaultTest, AFailureAtAnyPlatformCallLeavesFilesAndUnitsAgreeing) {
  FailEveryCall([](const CommandStates::Verdict&) {});
}

// Also when a quantity's header fails after its record file was replaced,
// its item follows the unit state, so it cannot be converted a second time.
TEST_F(WindowFaultTest, AFailureAtAnyPlatformCallLeavesTheListsAgreeing) {
  FailEveryCall([this](const CommandStates::Verdict& verdict) {
    EXPECT_EQ(Sorted(Captions(*form->ListBox1)), Filed(verdict.unitType, false));
    EXPECT_EQ(Sorted(Captions(*form->ListBox2)), Filed(verdict.unitType, true));
  });
}

}  // namespace
}  // namespace siconv
