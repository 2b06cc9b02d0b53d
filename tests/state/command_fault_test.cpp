// A fault at every platform call of a conversion command over several
// quantities: each data file stays as before or as after its own
// conversion, no temporary file is left, the units in memory and in
// SICONV.INI agree with the files, and the user is told in the system's text.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/io_code.h"
#include "engine/line_converter.h"
#include "engine/path_separator.h"
#include "state/conversion_command.h"
#include "state/unit_type_file.h"
#include "tests/support/command_states.h"
#include "tests/support/conversion_rig.h"
#include "tests/support/fault_injecting_file_system.h"
#include "tests/support/ram_temp_base.h"

namespace siconv {
namespace {

namespace fs = std::filesystem;

// G73.TXT once, then L204.TXT twice: two quantities share a record file.
const std::vector<int> kQuantities = {0, 2, 3};

void CopySurvey(const std::string& to) {
  fs::copy(fs::path(SICONV_SOURCE_DIR) / "examples" / "old-units", to, fs::copy_options::recursive);
}

struct Outcome {
  bool success = false;
  std::string message;  // of the exception the command raised, if any
};

Outcome RunCommand(ConversionRig& rig, FaultInjectingFileSystem& io) {
  ScopedFileSystem scope(io);
  Outcome outcome;
  try {
    outcome.success = RunConversionCommand(rig.ctx, kToSi, kQuantities).success;
  } catch (const Exception& e) {
    outcome.message = e.Message();
  }
  return outcome;
}

// The system's texts for an injected EIO: the I/O error, the unit file's
// write error, or an open error dialog when the failing call opened a file.
bool UserWasTold(const ConversionRig& rig, const Outcome& outcome) {
  const std::string folder = rig.dir.Path();
  if (!outcome.message.empty()) {
    return outcome.message == MakeIoError(io_code::kOther).Message() ||
           outcome.message == UnitTypeFileWriteError(folder).Message();
  }
  const auto& dialogs = rig.host.errors.dialogs;
  return !outcome.success && dialogs.size() == 1 &&
         dialogs[0].text.starts_with("ファイルがオープンできません\r\n[" + folder +
                                     PathSeparator());
}

TEST(CommandFaultTest, AFailureAtAnyPlatformCallLeavesFilesAndUnitsAgreeing) {
  const RamTempBase ram;
  ConversionRig clean;
  CopySurvey(clean.dir.Path());
  const CommandStates states(clean.dir.Path(), kToSi, kQuantities, clean.unitType);
  FaultInjectingFileSystem counter;
  ASSERT_TRUE(RunCommand(clean, counter).success);
  const int calls = counter.Count();
  for (FsCall kind : {FsCall::Open, FsCall::Read, FsCall::Write, FsCall::Flush, FsCall::Close,
                      FsCall::Status, FsCall::ListFolder, FsCall::Replace, FsCall::SyncFolder}) {
    EXPECT_GT(counter.Count(kind), 0) << static_cast<int>(kind);
  }
  ASSERT_EQ(states.Judge(clean.dir.Path(), ReadUnitTypeFile(clean.dir.Path()), false).unitType,
            states.FinalUnits());

  for (int n = 1; n <= calls; ++n) {
    SCOPED_TRACE("failing call " + std::to_string(n) + " of " + std::to_string(calls));
    ConversionRig rig;
    CopySurvey(rig.dir.Path());
    FaultInjectingFileSystem io;
    io.FailNth(n, io_code::kOther);
    const Outcome outcome = RunCommand(rig, io);
    ASSERT_TRUE(io.FaultFired());
    const bool unitFileError = outcome.message == UnitTypeFileWriteError(rig.dir.Path()).Message();
    const CommandStates::Verdict verdict =
        states.Judge(rig.dir.Path(), ReadUnitTypeFile(rig.dir.Path()), unitFileError);
    EXPECT_EQ(verdict.problems, "");
    EXPECT_EQ(rig.unitType, verdict.unitType);
    EXPECT_TRUE(UserWasTold(rig, outcome)) << outcome.message;
  }
}

}  // namespace
}  // namespace siconv
