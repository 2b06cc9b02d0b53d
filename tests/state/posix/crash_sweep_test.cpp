// A command over a folder ends at every platform call, in every way the
// table names: the process dies (a kill: everything written survives), or
// the power is cut (only what was made durable survives, plus a chosen part
// of the rest, tests/support/durable_disk.h). The next command's hold then
// completes what was interrupted, and the invariants of docs/DESIGN.md
// ("Crash safety") are checked by number.
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

const UnitTypes kDeclared = {1, 0, 1, 0, 1, 0};

struct Command {
  const char* name;
  bool declaration;  // of kDeclared, over the folder in SI units
  int direction = kToSi;
  // G73.TXT once, then L204.TXT twice: two quantities share a record file.
  std::vector<int> quantities = {0, 2, 3};
  // The first quantity by one command, the others by the next one.
  bool inTwoCommands = false;
};

const Command kCommands[] = {
    {"ToSi", false, kToSi},
    {"ToOld", false, kToOld},
    {"Declare", true},
    {"ToSiAllSix", false, kToSi, {0, 1, 2, 3, 4, 5}},
    {"ToSiInTwoCommands", false, kToSi, {0, 2, 3}, true},
};

struct Crash {
  const char* name;
  bool powerCut;
  CrashDisk disk = CrashDisk::NothingUnsynced;
  std::uint32_t seed = 0;
};

const Crash kCrashes[] = {
    {"ProcessDeath", false},
    {"NothingUnsynced", true, CrashDisk::NothingUnsynced},
    {"FolderOpsWithoutData", true, CrashDisk::FolderOpsWithoutData},
    // Seeded by the call, so that each call meets another subset.
    {"RandomSubset", true, CrashDisk::RandomSubset, 1},
};

void PrintTo(const Command& command, std::ostream* out) {
  *out << command.name;
}

void PrintTo(const Crash& crash, std::ostream* out) {
  *out << crash.name;
}

void CopyFolder(const std::string& from, const std::string& to) {
  fs::copy(from, to, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

// One folder command as siconv-cli and the window run it: hold the folder,
// read its units, convert the requested quantities not in the target unit yet.
void Convert(const std::string& folder, const Command& command) {
  const FolderHold hold(folder);
  UnitTypes unitType = ReadUnitTypeFile(folder);
  std::vector<int> left;
  for (int q : command.quantities) {
    if ((unitType[static_cast<std::size_t>(q)] != 0) != (command.direction == kToSi)) {
      left.push_back(q);
    }
  }
  LineFile in;
  LineFile out;
  RecordingHost host;
  ConversionContext ctx{folder, unitType, in, out, host};
  RunConversionCommand(ctx, command.direction, left);
}

void RunCommand(const std::string& folder, const Command& command) {
  if (command.inTwoCommands) {
    Convert(folder, {"", false, command.direction, {command.quantities.front()}});
    Convert(folder, {"", false, command.direction, command.quantities});
    return;
  }
  if (!command.declaration) return Convert(folder, command);
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

// Runs command in a child that ends at call n (after its last call when n
// is past it) the way crash says; true when it ended so.
bool EndsAt(int n, const Crash& crash, const std::string& folder,
            const std::function<void()>& command) {
  const pid_t child = ::fork();
  if (child == 0) {
    FaultInjectingFileSystem io;
    ScopedFileSystem scope(io);
    if (crash.powerCut) {
      io.PowerLossAt(n, folder, crash.disk, crash.seed + 7919u * static_cast<std::uint32_t>(n));
    } else {
      io.CrashAt(n);
    }
    try {
      command();
    } catch (...) {
    }
    io.CutPower();
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == FaultInjectingFileSystem::kCrashExitCode;
}

class CrashSweepTest : public ::testing::TestWithParam<std::tuple<Command, Crash>> {
 protected:
  RamTempBase ram;
  TempDir oldUnits;
  TempDir siUnits;

  void SetUp() override {
    CopyFolder(std::string(SICONV_SOURCE_DIR) + "/examples/old-units", oldUnits.Path());
    CopyFolder(oldUnits.Path(), siUnits.Path());
    Convert(siUnits.Path(), {"", false, kToSi, {0, 1, 2, 3, 4, 5}});
  }

  const std::string& Source(const Command& command) const {
    return command.direction == kToSi && !command.declaration ? oldUnits.Path() : siUnits.Path();
  }
};

// 1, 2, 3: after the next command's hold the files stand after a whole
// number of quantities, each record and header file whole, SICONV.INI agrees
// with them, and no temporary or journal file is left; after the command's
// end, as after the whole command. 4: a rerun converts exactly what is left.
void CheckConversion(const std::string& folder, const std::string& cleanRun, const Command& command,
                     const CommandStates& states, bool ended) {
  const CommandStates::Verdict verdict = states.Judge(folder, NextCommandUnits(folder), false);
  EXPECT_EQ(verdict.problems, "");
  if (ended) {
    EXPECT_EQ(verdict.unitType, states.FinalUnits());
  }
  Convert(folder, command);
  EXPECT_EQ(states.Judge(folder, ReadUnitTypeFile(folder), false).unitType, states.FinalUnits());
  EXPECT_EQ(DataFilesOf(folder), DataFilesOf(cleanRun));
}

// A declaration changes SICONV.INI alone, whole or not at all; after its end
// whole.
void CheckDeclaration(const std::string& folder, const std::string& source, bool ended) {
  const UnitTypes units = NextCommandUnits(folder);
  EXPECT_TRUE(units == kDeclared || (!ended && units == ReadUnitTypeFile(source)));
  EXPECT_EQ(DataFilesOf(folder), DataFilesOf(source));  // 3: no file of any kind is left
}

TEST_P(CrashSweepTest, NextCommandFindsAWholeState) {
  const auto& [command, crash] = GetParam();
  const std::string& source = Source(command);
  const CommandStates states(source, command.direction, command.quantities,
                             ReadUnitTypeFile(source));
  TempDir cleanRun;
  CopyFolder(source, cleanRun.Path());
  const int calls = CallsOf([&] { RunCommand(cleanRun.Path(), command); });
  RecordProperty("calls", calls);
  for (int n = 1; n <= calls + 1; ++n) {
    SCOPED_TRACE("ended at call " + std::to_string(n) + " of " + std::to_string(calls));
    TempDir dir;
    CopyFolder(source, dir.Path());
    ASSERT_TRUE(EndsAt(n, crash, dir.Path(), [&] { RunCommand(dir.Path(), command); }));
    if (command.declaration) {
      CheckDeclaration(dir.Path(), source, n > calls);
    } else {
      CheckConversion(dir.Path(), cleanRun.Path(), command, states, n > calls);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(CommandsAndCrashes, CrashSweepTest,
                         ::testing::Combine(::testing::ValuesIn(kCommands),
                                            ::testing::ValuesIn(kCrashes)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) + "_" +
                                  std::get<1>(info.param).name;
                         });

}  // namespace
}  // namespace siconv
