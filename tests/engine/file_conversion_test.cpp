#include "engine/file_conversion.h"
#include "engine/io_code.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "engine/line_converter.h"
#include "engine/quantity_catalogue.h"
#include "tests/support/conversion_rig.h"
#include "tests/support/direct_install.h"
#include "tests/support/fault_injecting_file_system.h"
#include "tests/support/recording_host.h"
#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

std::string Crlf(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += std::string(line) + "\r\n";
  return text;
}

// Expected bytes are worked out by hand: 1.5 * 98.0665 is the float
// 147.0997467041015625 ("147.099747" with six decimals), 2 * 98.0665 the float
// 196.13299560546875 ("196.132996"); header numbers times 100 are exact.
const std::string kL204Before =
    Crlf({"1,2,7,17.02,1.5,24.53,42.27,16.06,2,20.51,37.29,18.22,3.2,12.55,9.09"});
const std::string kL204AfterField5 =
    Crlf({"  1,   2.00,   7.00,    17.02,   147.099747,    24.53,    42.27,    16.06,"
          "     2.000000,    20.51,    37.29,    18.22,     3.20,    12.55,     9.09"});
const std::string kL204AfterField9 =
    Crlf({"  1,   2.00,   7.00,    17.02,   147.099747,    24.53,    42.27,    16.06,"
          "   196.132996,    20.51,    37.29,    18.22,     3.20,    12.55,     9.09"});
const std::string kL204HeaderBefore =
    Crlf({"title", "0 5 20", "a", "b", "c", "0 0.5 5", "d", "e", "f", "g", "h", "i"});
const std::string kL204HeaderAfterLine2 = Crlf({"title", " 0           500          2000", "a", "b",
                                                "c", "0 0.5 5", "d", "e", "f", "g", "h", "i"});
const std::string kL204HeaderAfterLine6 =
    Crlf({"title", " 0           500          2000", "a", "b", "c",
          " 0            50           500", "d", "e", "f", "g", "h", "i"});

const std::string kG73Before = Crlf({"1,1.5,1.5,12", "2,2.0,0,3", "3,2.5,,4"});
const std::string kG73After =
    Crlf({"  1,   1.50,        147.1, 12", "  2,   2.00,            0,  3", "  3,   2.50,,  4"});
const std::string kG73HeaderBefore = Crlf({"0 2.5 25", "給圧"});
const std::string kG73HeaderAfter = Crlf({" 0            250           2500", "給圧"});

class FileConversionTest : public ::testing::Test, protected ConversionRig {
 protected:
  void Put(const std::string& name, const std::string& bytes) { WriteFile(dir.Path(name), bytes); }
  std::string Get(const std::string& name) const { return ReadFile(dir.Path(name)); }
  bool Convert(int direction, int q) { return ConvertDirectly(ctx, direction, q); }
  bool TemporaryLeft() const { return FileExists(dir.Path(kTemporaryFileName)); }
  void ExpectOneOpenError(const std::string& name) const {
    ASSERT_EQ(host.errors.dialogs.size(), 1u);
    const auto& dialog = host.errors.dialogs[0];
    EXPECT_EQ(dialog.text, "ファイルがオープンできません\r\n[" + dir.Path(name) + "]");
    EXPECT_EQ(dialog.kind, 1);
    EXPECT_EQ(dialog.buttons, 0x0010);
    EXPECT_EQ(dialog.helpContext, 0);
  }
};

TEST_F(FileConversionTest, ConvertsRecordFileThenHeaderFile) {
  Put("G73.TXT", kG73Before);
  Put("G73.HED", kG73HeaderBefore);
  ASSERT_TRUE(Convert(kToSi, 0));
  EXPECT_EQ(Get("G73.TXT"), kG73After);
  EXPECT_EQ(Get("G73.HED"), kG73HeaderAfter);
  EXPECT_EQ(unitType[0], 1);
  EXPECT_FALSE(TemporaryLeft());
  const std::vector<std::string> statuses = {"変換中..." + dir.Path("G73.TXT"),
                                             "変換中..." + dir.Path("G73.HED")};
  EXPECT_EQ(host.statuses, statuses);
  EXPECT_TRUE(host.errors.dialogs.empty());
}

TEST_F(FileConversionTest, TwoQuantitiesOfOneFileEachRenderAllFields) {
  Put("L204.TXT", kL204Before);
  Put("L204.HED", kL204HeaderBefore);
  ASSERT_TRUE(Convert(kToSi, 2));
  EXPECT_EQ(Get("L204.TXT"), kL204AfterField5);
  EXPECT_EQ(Get("L204.HED"), kL204HeaderAfterLine2);
  ASSERT_TRUE(Convert(kToSi, 3));
  EXPECT_EQ(Get("L204.TXT"), kL204AfterField9);
  EXPECT_EQ(Get("L204.HED"), kL204HeaderAfterLine6);
  EXPECT_EQ(unitType, (UnitTypes{0, 0, 1, 1, 0, 0}));
}

TEST_F(FileConversionTest, HeaderLineCountsFollowTheRecipe) {
  Put("G81.TXT", Crlf({"1,1,1,0,1"}));
  Put("G81.HED", Crlf({"0 1 10"}));  // one line becomes three
  ASSERT_TRUE(Convert(kToSi, 1));
  EXPECT_EQ(Get("G81.HED"), Crlf({" 0            100           1000", "", ""}));

  Put("L205.TXT", Crlf({"1,0.25,0,100,1,2,3,4,5,3000,1,2,3,4,5"}));
  std::string fourteen;
  for (int i = 1; i <= 14; ++i) fourteen += "line" + std::to_string(i) + "\r\n";
  fourteen.replace(0, 5, "0 25 100");  // line 1 holds the numbers
  Put("L205.HED", fourteen);
  ASSERT_TRUE(Convert(kToSi, 4));
  const std::string header = Get("L205.HED");
  EXPECT_EQ(header.substr(0, header.find("\r\n")), " 0            2.5             10");
  EXPECT_EQ(std::count(header.begin(), header.end(), '\n'), 12);
  EXPECT_EQ(header.find("line13"), std::string::npos);
  EXPECT_EQ(Get("L205.TXT"),
            Crlf({"  1,   0.25,   0.00,     0.980665,     1.00,     2.00,     3.00,     4.00,"
                  "     5.00,  3000.000000,     1.00,     2.00,     3.00,     4.00,     5.00"}));
}

TEST_F(FileConversionTest, ConvertingTwiceScalesTwiceAndBackRestores) {
  Put("G73.TXT", Crlf({"1,1,1.5,1"}));
  Put("G73.HED", kG73HeaderBefore);
  ASSERT_TRUE(Convert(kToSi, 0));
  ASSERT_TRUE(Convert(kToSi, 0));  // nothing here checks the unit first
  EXPECT_EQ(Get("G73.TXT"), Crlf({"  1,   1.00,      14425.6,  1"}));
  ASSERT_TRUE(Convert(kToOld, 0));
  ASSERT_TRUE(Convert(kToOld, 0));
  EXPECT_EQ(Get("G73.TXT"), Crlf({"  1,   1.00,          1.5,  1"}));
  EXPECT_EQ(Get("G73.HED"), Crlf({" 0            2.5             25", "給圧"}));
  EXPECT_EQ(unitType[0], 0);
}

TEST_F(FileConversionTest, LowerCaseNamesFromWindowsAreFound) {
  Put("g73.txt", kG73Before);
  Put("g73.hed", kG73HeaderBefore);
  ASSERT_TRUE(Convert(kToSi, 0));
  EXPECT_EQ(Get("g73.txt"), kG73After);
  EXPECT_EQ(Get("g73.hed"), kG73HeaderAfter);
  // The names stay as they were (on Windows "G73.TXT" names the same file).
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"g73.hed", "g73.txt"}));
}

// Every way a quantity can fail before its record file is replaced leaves both
// files as they were, no temporary file, and the unit state unchanged.
class FailedConversionTest : public FileConversionTest {
 protected:
  void SetUp() override {
    Put("G73.TXT", kG73Before);
    Put("G73.HED", kG73HeaderBefore);
  }
  void ExpectUntouched() {
    EXPECT_EQ(Get("G73.TXT"), kG73Before);
    if (FileExists(dir.Path("G73.HED"))) {
      EXPECT_EQ(Get("G73.HED"), kG73HeaderBefore);
    }
    EXPECT_FALSE(TemporaryLeft());
    EXPECT_EQ(unitType[0], 0);
  }
};

TEST_F(FailedConversionTest, ReadOnlyRecordFileIsRefused) {
  ASSERT_EQ(chmod(dir.Path("G73.TXT").c_str(), 0444), 0);
  try {
    Convert(kToSi, 0);
    FAIL() << "no error";
  } catch (const EInOutError& e) {
    EXPECT_EQ(e.IoCode(), io_code::kAccessDenied);
    EXPECT_EQ(e.Message(), dir.Path("G73.TXT") + " に書き込めません");
  }
  ExpectUntouched();
}

TEST_F(FailedConversionTest, MissingHeaderStopsBeforeTheRecordChanges) {
  ASSERT_EQ(unlink(dir.Path("G73.HED").c_str()), 0);
  EXPECT_FALSE(Convert(kToSi, 0));
  ExpectOneOpenError("G73.HED");
  ExpectUntouched();
}

TEST_F(FailedConversionTest, MissingRecordFileIsReportedByName) {
  ASSERT_EQ(unlink(dir.Path("G73.TXT").c_str()), 0);
  EXPECT_FALSE(Convert(kToSi, 0));
  ExpectOneOpenError("G73.TXT");
  EXPECT_TRUE(host.statuses.empty());
}

TEST_F(FailedConversionTest, BadFieldDeepInTheRecordFileNamesItsLine) {
  std::string lines;
  for (int i = 1; i < 500; ++i) lines += std::to_string(i) + ",1,1.5,1\r\n";
  lines += "500,1,1.5x,1\r\n501,1,1,1\r\n";
  Put("G73.TXT", lines);
  try {
    Convert(kToSi, 0);
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'1.5x' は浮動小数点数ではありません");
    EXPECT_EQ(e.PlaceFile(), dir.Path("G73.TXT"));
    EXPECT_EQ(e.PlaceLine(), 500);
  }
  EXPECT_EQ(Get("G73.TXT"), lines);
  EXPECT_FALSE(TemporaryLeft());
  EXPECT_EQ(unitType[0], 0);
}

TEST_F(FailedConversionTest, OverflowInTheHeaderLeavesTheRecordUnchanged) {
  Put("G73.HED", Crlf({"0 2.5 3E38", "給圧"}));
  EXPECT_THROW(Convert(kToSi, 0), EOverflow);
  EXPECT_EQ(Get("G73.HED"), Crlf({"0 2.5 3E38", "給圧"}));
  EXPECT_EQ(Get("G73.TXT"), kG73Before);
  EXPECT_FALSE(TemporaryLeft());
  EXPECT_EQ(unitType[0], 0);
}

TEST_F(FailedConversionTest, TemporaryFileThatCannotBeCreatedIsReported) {
  FaultInjectingFileSystem io;
  ScopedFileSystem scope(io);
  io.FailNth(1, io_code::kAccessDenied, FsCall::Open, kTemporaryFileName);
  EXPECT_FALSE(Convert(kToSi, 0));
  ExpectOneOpenError(kTemporaryFileName);
  ExpectUntouched();
}

TEST_F(FileConversionTest, DryRunWritesNothing) {
  Put("G73.TXT", kG73Before);
  Put("G73.HED", kG73HeaderBefore);
  ctx.dryRun = true;
  EXPECT_TRUE(Convert(kToSi, 0));
  EXPECT_EQ(Get("G73.TXT"), kG73Before);
  EXPECT_EQ(Get("G73.HED"), kG73HeaderBefore);
  EXPECT_FALSE(TemporaryLeft());
  EXPECT_EQ(unitType[0], 0);
}

// One G73 conversion in a folder of its own.
struct G73Run : ConversionRig {
  G73Run() {
    WriteFile(dir.Path("G73.TXT"), kG73Before);
    WriteFile(dir.Path("G73.HED"), kG73HeaderBefore);
  }
};

// A failure injected at each platform call of one quantity's conversion:
// every file is exactly as before or as after, never anything else.
TEST(FileConversionFaults, FailureAtAnyPlatformCallLeavesWholeFiles) {
  int calls = 0;
  {
    G73Run clean;
    FaultInjectingFileSystem counter;
    ScopedFileSystem scope(counter);
    ASSERT_TRUE(ConvertDirectly(clean.ctx, kToSi, 0));
    calls = counter.Count();
  }
  ASSERT_GT(calls, 10);
  for (int n = 1; n <= calls; ++n) {
    SCOPED_TRACE("failing call " + std::to_string(n));
    G73Run run;
    FaultInjectingFileSystem io;
    ScopedFileSystem scope(io);
    io.FailNth(n, io_code::kOther);
    bool reported = false;
    try {
      reported = !ConvertDirectly(run.ctx, kToSi, 0);
    } catch (const Exception&) {
      reported = true;
    }
    EXPECT_TRUE(io.FaultFired());
    EXPECT_TRUE(reported);
    const std::string record = ReadFile(run.dir.Path("G73.TXT"));
    const std::string header = ReadFile(run.dir.Path("G73.HED"));
    EXPECT_TRUE(record == kG73Before || record == kG73After);
    EXPECT_TRUE(header == kG73HeaderBefore || header == kG73HeaderAfter);
    EXPECT_FALSE(header == kG73HeaderAfter && record == kG73Before);
    EXPECT_FALSE(FileExists(run.dir.Path(kTemporaryFileName)));
    EXPECT_EQ(run.unitType[0], record == kG73After ? 1 : 0);
  }
}

}  // namespace
}  // namespace siconv
