// siconv-cli to-si over a survey folder with a fault at every platform call
// the run makes, SICONV.INI's reading included: each data file stays as
// before or as after its own conversion, no temporary file is left,
// SICONV.INI agrees with the files, and a failure reaches stderr in the
// system's text with exit status 1. A run that exits with 0 converted all.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/io_code.h"
#include "engine/line_converter.h"
#include "state/unit_type_file.h"
#include "tests/cli/cli_test_support.h"
#include "tests/support/command_states.h"
#include "tests/support/fault_injecting_file_system.h"
#include "tests/support/ram_temp_base.h"
#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

namespace fs = std::filesystem;

// The folder's failure line, after one error in the system's text.
bool ToldOfFailure(const std::string& err, const std::string& folder) {
  const bool systemText = Has(err, "I/O エラー (31)\n") ||
                          Has(err, "ファイルがオープンできません [" + In(folder, "")) ||
                          Has(err, In(folder, "SICONV.INI") + " に書き込めません.\n");
  return systemText && err.ends_with(folder + ": 変換に失敗しました。\n");
}

class CliFaultTest : public ::testing::Test {
 protected:
  // Runs `to-si --quiet -q Q... FOLDER` on a copy of source with call n
  // failing, for every call that a clean run makes.
  void FailEveryCall(const std::string& source, const std::vector<int>& named,
                     const std::vector<int>& converted) {
    const CommandStates states(source, kToSi, converted, ReadUnitTypeFile(source));
    const int calls = Calls(source, named);
    ASSERT_GT(calls, 20);
    for (int n = 1; n <= calls; ++n) {
      SCOPED_TRACE("failing call " + std::to_string(n) + " of " + std::to_string(calls));
      const std::string folder = Copy(source, "run");
      FaultInjectingFileSystem io;
      io.FailNth(n, io_code::kOther);
      const CliRun run = Run(folder, named, io);
      ASSERT_TRUE(io.FaultFired());
      const bool unitFileError = Has(run.err, In(folder, "SICONV.INI") + " に書き込めません");
      const CommandStates::Verdict verdict =
          states.Judge(folder, ReadUnitTypeFile(folder), unitFileError);
      EXPECT_EQ(verdict.problems, "");
      if (run.exitCode == 0) {
        EXPECT_EQ(verdict.unitType, states.FinalUnits());
        EXPECT_EQ(run.err, "");
      } else {
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(ToldOfFailure(run.err, folder)) << run.err;
      }
    }
  }

  std::string Copy(const std::string& source, const std::string& name) {
    const std::string folder = dir.Path(name);
    fs::remove_all(folder);
    fs::copy(source, folder);
    return folder;
  }

  static CliRun Run(const std::string& folder, const std::vector<int>& named, FileSystem& io) {
    std::vector<std::string> args = {"to-si", "--quiet"};
    for (int q : named) args.insert(args.end(), {"-q", std::to_string(q)});
    args.push_back(folder);
    ScopedFileSystem scope(io);
    return RunCliWith(args);
  }

  int Calls(const std::string& source, const std::vector<int>& named) {
    FaultInjectingFileSystem counter;
    const CliRun run = Run(Copy(source, "clean"), named, counter);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return counter.Count();
  }

  const RamTempBase ram;  // before dir: the folders live in memory
  TempDir dir;
};

TEST_F(CliFaultTest, FoldersInOldUnits) {
  const std::string source = dir.Path("source");
  CopyExample("old-units", source);
  WriteFile(In(source, "SICONV.INI"), kIniAllOld);
  FailEveryCall(source, {1, 2, 3}, {1, 2, 3});
}

// G73 is in SI units already: a SICONV.INI that cannot be read must never
// make it look old and be scaled a second time.
TEST_F(CliFaultTest, FolderPartlyInSiUnits) {
  const std::string source = dir.Path("source");
  CopyExample("old-units", source);
  for (const char* name : {"G73.TXT", "G73.HED"}) {
    fs::copy_file(fs::path(SICONV_SOURCE_DIR) / "examples" / "si-units" / name, In(source, name),
                  fs::copy_options::overwrite_existing);
  }
  WriteFile(In(source, "SICONV.INI"),
            "[UNITTYPE]\r\nSI_0=1\r\nSI_1=0\r\nSI_2=0\r\nSI_3=0\r\nSI_4=0\r\nSI_5=0\r\n");
  FailEveryCall(source, {0, 1}, {1});
}

}  // namespace
}  // namespace siconv
