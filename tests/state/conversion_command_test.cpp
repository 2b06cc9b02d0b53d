#include "state/conversion_command.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "engine/io_code.h"
#include "engine/line_converter.h"
#include "state/folder_hold.h"
#include "state/unit_type_file.h"
#include "tests/support/conversion_rig.h"
#include "tests/support/fault_injecting_file_system.h"
#include "tests/support/recording_host.h"
#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

const std::string kG73 = "1,1,1.5,1\r\n";
const std::string kG73Si = "  1,   1.00,        147.1,  1\r\n";
const std::string kG73Header = "0 2.5 25\r\nx\r\n";
const std::string kG81 = "1,1,1,0,1\r\n";
const std::string kG81Header = "0 1 10\r\n\r\n\r\n";
const std::string kIniAllOld =
    "[UNITTYPE]\r\nSI_0=0\r\nSI_1=0\r\nSI_2=0\r\nSI_3=0\r\nSI_4=0\r\nSI_5=0\r\n";

class ConversionCommandTest : public ::testing::Test, protected ConversionRig {
 protected:
  ConversionCommandTest() {
    WriteFile(dir.Path("G73.TXT"), kG73);
    WriteFile(dir.Path("G73.HED"), kG73Header);
    WriteFile(dir.Path("G81.TXT"), kG81);
    WriteFile(dir.Path("G81.HED"), kG81Header);
  }

  CommandOutcome Run(const std::vector<int>& quantities) {
    return RunConversionCommand(ctx, kToSi, quantities, [this](const CommandOutcome& o) {
      seen = o;
      iniWhenToldOfConversions = FileExists(dir.Path("SICONV.INI"));
    });
  }
  std::string Ini() const { return ReadFile(dir.Path("SICONV.INI")); }

  std::optional<CommandOutcome> seen;
  bool iniWhenToldOfConversions = false;
};

TEST_F(ConversionCommandTest, ConvertsInOrderThenRecordsTheUnits) {
  const CommandOutcome outcome = Run({0, 1});
  EXPECT_TRUE(outcome.success);
  EXPECT_EQ(outcome.converted, (std::vector<bool>{true, true}));
  EXPECT_EQ(ReadFile(dir.Path("G73.TXT")), kG73Si);
  EXPECT_EQ(Ini(), "[UNITTYPE]\r\nSI_0=1\r\nSI_1=1\r\nSI_2=0\r\nSI_3=0\r\nSI_4=0\r\nSI_5=0\r\n");
  ASSERT_TRUE(seen);
  EXPECT_TRUE(iniWhenToldOfConversions);  // each quantity records its unit as it is put in place
}

TEST_F(ConversionCommandTest, StopsAtTheFirstQuantityThatCannotBeConverted) {
  const CommandOutcome outcome = Run({0, 2, 1});  // no L204 files in the folder
  EXPECT_FALSE(outcome.success);
  EXPECT_EQ(outcome.converted, (std::vector<bool>{true, false, false}));
  EXPECT_EQ(ReadFile(dir.Path("G81.TXT")), kG81);  // not attempted
  EXPECT_EQ(Ini(), "[UNITTYPE]\r\nSI_0=1\r\nSI_1=0\r\nSI_2=0\r\nSI_3=0\r\nSI_4=0\r\nSI_5=0\r\n");
  EXPECT_EQ(host.errors.dialogs.size(), 1u);
}

// Once their journal is in place the command's quantities are converted: a
// failure after that is completed by a second try at once, or else by the
// next command's hold.
TEST_F(ConversionCommandTest, AFailureAfterTheJournalIsCompletedNowOrByTheNextCommand) {
  for (const bool persistent : {false, true}) {
    SCOPED_TRACE(persistent ? "persistent" : "once");
    WriteFile(dir.Path("G73.TXT"), kG73);
    WriteFile(dir.Path("G73.HED"), kG73Header);
    std::remove(dir.Path("SICONV.INI").c_str());
    unitType = {};
    {
      FaultInjectingFileSystem io;
      ScopedFileSystem scope(io);
      if (persistent) {
        io.FailFrom(1, io_code::kAccessDenied, FsCall::Replace, "/G73.HED");
      } else {
        io.FailNth(1, io_code::kAccessDenied, FsCall::Replace, "/G73.HED");
      }
      EXPECT_THROW(Run({0, 1}), EInOutError);
    }
    EXPECT_EQ(seen->converted, (std::vector<bool>{true, true}));
    EXPECT_EQ(unitType, (UnitTypes{1, 1, 0, 0, 0, 0}));
    EXPECT_EQ(FileExists(dir.Path("SICONV.JNL")), persistent);
    const FolderHold next(dir.Path());
    EXPECT_EQ(ReadFile(dir.Path("G73.TXT")), kG73Si);
    EXPECT_EQ(ReadFile(dir.Path("G73.HED")), " 0            250           2500\r\nx\r\n");
    EXPECT_NE(ReadFile(dir.Path("G81.TXT")), kG81);
    EXPECT_EQ(ReadUnitTypeFile(dir.Path()), (UnitTypes{1, 1, 0, 0, 0, 0}));
    EXPECT_FALSE(FileExists(dir.Path("SICONV.JNL")));
  }
}

// A network volume may rename the journal into place and still report a
// failure: the journal then names the temporaries, and the quantity goes on.
TEST_F(ConversionCommandTest, AJournalRenamedDespiteAnErrorIsCompleted) {
  struct RenameThenFail : FaultInjectingFileSystem {
    int Rename(const std::string& from, const std::string& to) override {
      FaultInjectingFileSystem::Rename(from, to);
      return io_code::kOther;
    }
  } io;
  {
    ScopedFileSystem scope(io);
    EXPECT_TRUE(Run({0}).success);
  }
  EXPECT_EQ(ReadFile(dir.Path("G73.TXT")), kG73Si);
  EXPECT_EQ(ReadUnitTypeFile(dir.Path()), (UnitTypes{1, 0, 0, 0, 0, 0}));
  EXPECT_FALSE(FileExists(dir.Path("SICONV.JNL")));
}

TEST_F(ConversionCommandTest, RecordsTheUnitsEvenWhenNothingWasConverted) {
  EXPECT_TRUE(Run({}).success);
  EXPECT_EQ(Ini(), kIniAllOld);
}

TEST_F(ConversionCommandTest, AnErrorIsRaisedOnlyAfterFilesAndStateAgree) {
  WriteFile(dir.Path("G81.TXT"), "1,1,oops,0,1\r\n");
  EXPECT_THROW(Run({0, 1}), EConvertError);
  ASSERT_TRUE(seen);
  EXPECT_EQ(seen->converted, (std::vector<bool>{true, false}));
  EXPECT_EQ(ReadFile(dir.Path("G73.TXT")), kG73Si);
  EXPECT_EQ(ReadUnitTypeFile(dir.Path()), (UnitTypes{1, 0, 0, 0, 0, 0}));
}

TEST_F(ConversionCommandTest, ABadFieldForTheSecondQuantityOfAFileNamesThatFile) {
  // 限界圧 and 間隙圧 share L204; the second reads the first one's temporary file.
  const std::string good = "1,2,7,17,7.2,24,42,16,2.3,20,37,18,3.2,12,9\r\n";
  WriteFile(dir.Path("L204.TXT"), good + "2,7,12,21,3.4,52,0.7,4.2,1E37,30,21,46,27,28,42\r\n");
  WriteFile(dir.Path("L204.HED"), "h\r\n0 5 20\r\nh\r\nh\r\nh\r\n0 0.5 5\r\n");
  try {
    Run({2, 3});  // 1E37 passes the first, overflows in the second
    FAIL() << "no error";
  } catch (const EOverflow& e) {
    EXPECT_EQ(e.PlaceFile(), dir.Path("L204.TXT"));
    EXPECT_EQ(e.PlaceLine(), 2);
  }
}

TEST_F(ConversionCommandTest, UnwritableUnitFileStopsTheCommandBeforeAnyConversion) {
  WriteFile(dir.Path("SICONV.INI"), kIniAllOld);
  ASSERT_EQ(chmod(dir.Path("SICONV.INI").c_str(), 0444), 0);
  try {
    Run({0});
    FAIL() << "no error";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), dir.Path("SICONV.INI") + " に書き込めません");
  }
  EXPECT_FALSE(seen);
  EXPECT_EQ(ReadFile(dir.Path("G73.TXT")), kG73);
  EXPECT_EQ(unitType[0], 0);
}

TEST_F(ConversionCommandTest, BothFailuresReachTheUser) {
  WriteFile(dir.Path("G81.TXT"), "1,1,oops,0,1\r\n");
  FaultInjectingFileSystem io;
  ScopedFileSystem scope(io);
  io.FailNth(1, io_code::kDiskFull, FsCall::Write, "SICONV.$$$");
  EXPECT_THROW(Run({1}), Exception);
  ASSERT_EQ(host.errors.reports.size(), 1u);
  EXPECT_EQ(host.errors.reports[0], "'oops' は浮動小数点数ではありません");
  EXPECT_FALSE(FileExists(dir.Path("SICONV.INI")));
}

TEST_F(ConversionCommandTest, DryRunWritesNeitherDataNorUnitFile) {
  ctx.dryRun = true;
  EXPECT_TRUE(Run({0, 1}).success);
  EXPECT_EQ(ReadFile(dir.Path("G73.TXT")), kG73);
  EXPECT_FALSE(FileExists(dir.Path("SICONV.INI")));
}

}  // namespace
}  // namespace siconv
