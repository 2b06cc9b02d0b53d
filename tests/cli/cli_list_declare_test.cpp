// list and declare: reading and declaring the unit state of folders.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/cli/cli_test_support.h"
#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

TEST(CliListTest, PrintsIndexCaptionAndUnitOfThePresentQuantities) {
  TempDir dir;
  for (const char* name : {"l204.txt", "G73.TXT", "G81.HED"}) WriteFile(dir.Path(name), "");
  WriteFile(dir.Path("SICONV.INI"), "[UNITTYPE]\r\nSI_0=0\r\nSI_2=1\r\nSI_3=0\r\n");
  const CliRun run = RunCliWith({"list", dir.Path()});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out,
            "0\t給圧\t旧単位\n2\t限界圧力(透水試験)\tＳＩ単位\n3\t間隙圧(透水試験)\t旧単位\n");
  EXPECT_EQ(run.err, "");
}

TEST(CliListTest, SeveralFoldersAreHeadedAndAMissingOneFails) {
  TempDir dir;
  WriteFile(dir.Path("G81.TXT"), "");
  const CliRun run = RunCliWith({"list", dir.Path("gone"), dir.Path()});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, dir.Path() + ":\n1\t送水圧\t旧単位\n");
  EXPECT_EQ(run.err.rfind(dir.Path("gone") + ": ", 0), 0u) << run.err;
}

TEST(CliDeclareTest, WritesTheDeclaredUnitsAtOnceAndKeepsTheOthers) {
  TempDir dir;
  CopyExample("old-units", dir.Path("s"));
  const std::string s = dir.Path("s");
  std::map<std::string, std::string> files = TreeBytes(s);
  ASSERT_EQ(RunCliWith({"declare", s, "0=si", "地耐力(ｽｳｴｰﾃﾞﾝ式ｻｳﾝﾃﾞｨﾝｸﾞ)=si"}).exitCode, 0);
  ASSERT_EQ(RunCliWith({"declare", s, "0=old", "1=si"}).exitCode, 0);
  files["SICONV.INI"] =
      "[UNITTYPE]\r\nSI_0=0\r\nSI_1=1\r\nSI_2=0\r\nSI_3=0\r\nSI_4=0\r\nSI_5=1\r\n";
  EXPECT_EQ(TreeBytes(s), files);  // no data file converted
}

TEST(CliDeclareTest, ReadOnlyIniIsReportedAndKept) {
  TempDir dir;
  WriteFile(dir.Path("SICONV.INI"), kIniAllOld);
  ::chmod(dir.Path("SICONV.INI").c_str(), 0444);
  const CliRun run = RunCliWith({"declare", dir.Path(), "2=si"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, dir.Path("SICONV.INI") + " に書き込めません.\n");
  EXPECT_EQ(ReadFile(dir.Path("SICONV.INI")), kIniAllOld);
}

}  // namespace
}  // namespace siconv
