// The process dies at every platform call of a command over several
// quantities (to SI units, back to old units, and a declaration): a forked
// child ends at call N with no cleanup, then the next command's hold
// completes what was interrupted. The invariants of docs/DESIGN.md
// ("Crash safety") are checked by number after every crash.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "engine/line_converter.h"
#include "state/conversion_command.h"
#include "state/folder_hold.h"
#include "state/unit_type_file.h"
#include "tests/support/command_states.h"
#include "tests/support/fault_injecting_file_system.h"
#include "tests/support/ram_temp_base.h"
#include "tests/support/recording_host.h"
#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

namespace fs = std::filesystem;

// G73.TXT once, then L204.TXT twice: two quantities share a record file.
const std::vector<int> kQuantities = {0, 2, 3};
const UnitTypes kDeclared = {1, 0, 1, 0, 1, 0};

void CopyFolder(const std::string& from, const std::string& to) {
  fs::copy(from, to, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

// One folder command as siconv-cli runs it: hold the folder, read its units,
// convert the requested quantities that are not in the target unit yet.
void Convert(const std::string& folder, int direction) {
  const FolderHold hold(folder);
  UnitTypes unitType = ReadUnitTypeFile(folder);
  std::vector<int> left;
  for (int q : kQuantities) {
    if ((unitType[static_cast<std::size_t>(q)] != 0) != (direction == kToSi)) left.push_back(q);
  }
  LineFile in;
  LineFile out;
  RecordingHost host;
  ConversionContext ctx{folder, unitType, in, out, host};
  RunConversionCommand(ctx, direction, left);
}

void Declare(const std::string& folder) {
  const FolderHold hold(folder);
  ReadUnitTypeFile(folder);
  WriteUnitTypeFile(folder, kDeclared);
}

// The next command's view of the folder: what `list` and the window read.
UnitTypes NextCommandUnits(const std::string& folder) {
  const FolderHold hold(folder);
  return ReadUnitTypeFile(folder);
}

int CallsOf(const std::function<void()>& command) {
  FaultInjectingFileSystem counter;
  ScopedFileSystem scope(counter);
  command();
  return counter.Count();
}

// Runs command in a child that dies at call n; true when it died there.
bool CrashesAt(int n, const std::function<void()>& command) {
  const pid_t child = ::fork();
  if (child == 0) {
    FaultInjectingFileSystem io;
    ScopedFileSystem scope(io);
    io.CrashAt(n);
    try {
      command();
    } catch (...) {
    }
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == FaultInjectingFileSystem::kCrashExitCode;
}

class CrashSweepTest : public ::testing::Test {
 protected:
  RamTempBase ram;
  TempDir oldUnits;
  TempDir siUnits;

  void SetUp() override {
    CopyFolder(std::string(SICONV_SOURCE_DIR) + "/examples/old-units", oldUnits.Path());
    CopyFolder(oldUnits.Path(), siUnits.Path());
    Convert(siUnits.Path(), kToSi);
  }

  void SweepConversion(const std::string& source, int direction) {
    const CommandStates states(source, direction, kQuantities, ReadUnitTypeFile(source));
    TempDir counted;
    CopyFolder(source, counted.Path());
    const int calls = CallsOf([&] { Convert(counted.Path(), direction); });
    for (int n = 1; n <= calls; ++n) {
      SCOPED_TRACE("crash at call " + std::to_string(n) + " of " + std::to_string(calls));
      TempDir dir;
      CopyFolder(source, dir.Path());
      ASSERT_TRUE(CrashesAt(n, [&] { Convert(dir.Path(), direction); }));
      // 1, 2, 3: the files stand after a whole number of quantities, SICONV.INI
      // agrees with them, and no temporary or journal file is left.
      const UnitTypes units = NextCommandUnits(dir.Path());
      EXPECT_EQ(states.Judge(dir.Path(), units, false).problems, "");
      // 4: a rerun converts exactly what is left.
      Convert(dir.Path(), direction);
      EXPECT_EQ(states.Judge(dir.Path(), ReadUnitTypeFile(dir.Path()), false).unitType,
                states.FinalUnits());
      EXPECT_EQ(DataFilesOf(dir.Path()), DataFilesOf(counted.Path()));
    }
  }
};

TEST_F(CrashSweepTest, ToSiUnits) {
  SweepConversion(oldUnits.Path(), kToSi);
}

TEST_F(CrashSweepTest, BackToOldUnits) {
  SweepConversion(siUnits.Path(), kToOld);
}

TEST_F(CrashSweepTest, Declaration) {
  const FolderFiles data = DataFilesOf(siUnits.Path());
  const UnitTypes before = ReadUnitTypeFile(siUnits.Path());
  TempDir counted;
  CopyFolder(siUnits.Path(), counted.Path());
  const int calls = CallsOf([&] { Declare(counted.Path()); });
  for (int n = 1; n <= calls; ++n) {
    SCOPED_TRACE("crash at call " + std::to_string(n) + " of " + std::to_string(calls));
    TempDir dir;
    CopyFolder(siUnits.Path(), dir.Path());
    ASSERT_TRUE(CrashesAt(n, [&] { Declare(dir.Path()); }));
    const UnitTypes units = NextCommandUnits(dir.Path());
    EXPECT_TRUE(units == before || units == kDeclared);
    EXPECT_EQ(DataFilesOf(dir.Path()), data);  // 3: no file of any kind is left
  }
}

}  // namespace
}  // namespace siconv
