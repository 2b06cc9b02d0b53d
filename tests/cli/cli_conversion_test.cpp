// to-si and to-old over copies of the example survey folders.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "tests/cli/cli_test_support.h"
#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

namespace fs = std::filesystem;

// Puts a field that is not a number into line `line` (from 1) of a file.
void SpoilLine(const std::string& path, int line) {
  std::string bytes = ReadFile(path);
  std::size_t at = 0;
  for (int i = 1; i < line; ++i) at = bytes.find('\n', at) + 1;
  bytes.replace(bytes.find(',', at) + 1, 0, "x");
  WriteFile(path, bytes);
}

class CliConversionTest : public ::testing::Test {
 protected:
  std::string Survey(const std::string& name, const char* example = "old-units") {
    CopyExample(example, dir.Path(name));
    return dir.Path(name);
  }
  std::string Ini(const std::string& folder) { return ReadFile(In(folder, "SICONV.INI")); }

  TempDir dir;
};

TEST_F(CliConversionTest, RoundTripsBothExamplesAndNeverScalesTwice) {
  for (const bool startsOld : {true, false}) {
    const std::string s = Survey(startsOld ? "old" : "si", startsOld ? "old-units" : "si-units");
    const std::string first = startsOld ? "to-si" : "to-old";
    const std::string second = startsOld ? "to-old" : "to-si";
    const std::map<std::string, std::string> before = TreeBytes(s);
    ASSERT_EQ(RunCliWith({first, s}).exitCode, 0);
    EXPECT_EQ(Ini(s), startsOld ? kIniAllSi : kIniAllOld);
    EXPECT_NE(ReadFile(In(s, "L205.TXT")), before.at("L205.TXT"));
    const std::map<std::string, std::string> converted = TreeBytes(s);
    const CliRun again = RunCliWith({first, s});
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_TRUE(Has(again.err, s + ": nothing to convert")) << again.err;
    EXPECT_EQ(TreeBytes(s), converted);
    ASSERT_EQ(RunCliWith({second, s}).exitCode, 0);
    EXPECT_EQ(Ini(s), startsOld ? kIniAllOld : kIniAllSi);
    EXPECT_TRUE(Has(RunCliWith({"list", s}).out, startsOld ? "\t旧単位\n" : "\tＳＩ単位\n"));
  }
}

TEST_F(CliConversionTest, ConvertsOnlyTheNamedQuantityAndReportsEachFile) {
  const std::string s = Survey("s");
  const std::map<std::string, std::string> before = TreeBytes(s);
  const CliRun run = RunCliWith({"to-si", "-q", "送水圧", s});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "変換中..." + In(s, "G81.TXT") + "\n変換中..." + In(s, "G81.HED") + "\n" + s +
                         ": 変換を終了しました。\n");
  std::map<std::string, std::string> after = TreeBytes(s);
  EXPECT_NE(after.at("G81.TXT"), before.at("G81.TXT"));
  EXPECT_EQ(after.at("SICONV.INI"),
            "[UNITTYPE]\r\nSI_0=0\r\nSI_1=1\r\nSI_2=0\r\nSI_3=0\r\nSI_4=0\r\nSI_5=0\r\n");
  for (const char* untouched : {"G73.TXT", "G73.HED", "L204.TXT", "L204.HED", "L205.TXT"}) {
    EXPECT_EQ(after.at(untouched), before.at(untouched)) << untouched;
  }
}

TEST_F(CliConversionTest, NamedQuantityAlreadyConvertedOrAbsentIsSkipped) {
  const std::string s = Survey("s", "si-units");
  fs::remove(In(s, "G73.TXT"));
  const std::map<std::string, std::string> before = TreeBytes(s);
  const CliRun run = RunCliWith({"to-si", "-q", "1", "-q", "0", s});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_TRUE(Has(run.err, s + ": 給圧: not in this folder, skipped")) << run.err;
  EXPECT_TRUE(Has(run.err, s + ": 送水圧: already in SI units, skipped")) << run.err;
  EXPECT_EQ(TreeBytes(s), before);
}

TEST_F(CliConversionTest, DryRunNamesTheBadFieldAndChangesNoByte) {
  const std::string s = Survey("s");
  SpoilLine(In(s, "L204.TXT"), 5);
  const std::map<std::string, std::string> before = TreeBytes(s);
  const CliRun run = RunCliWith({"to-si", "--dry-run", s});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(Has(run.err, In(s, "L204.TXT") + ":5: '")) << run.err;
  EXPECT_TRUE(Has(run.err, s + ": 変換に失敗しました。")) << run.err;
  EXPECT_EQ(TreeBytes(s), before);  // no SICONV.INI either
}

TEST_F(CliConversionTest, DryRunReportsAnUnwritableIniAndStillChecksTheFiles) {
  const std::string s = Survey("s");
  WriteFile(In(s, "SICONV.INI"), kIniAllOld);
  ::chmod(In(s, "SICONV.INI").c_str(), 0444);
  const CliRun run = RunCliWith({"to-si", "--dry-run", s});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(Has(run.err, In(s, "SICONV.INI") + " に書き込めません.\n")) << run.err;
  EXPECT_TRUE(Has(run.err, "変換中..." + In(s, "L205.HED"))) << run.err;
}

TEST_F(CliConversionTest, FailedFolderIsLeftAsItWasAndTheNextOneConverts) {
  const std::string bad = Survey("bad");
  const std::string readOnly = Survey("ro");
  const std::string good = Survey("good");
  SpoilLine(In(bad, "G73.TXT"), 2);
  WriteFile(In(readOnly, "SICONV.INI"), kIniAllOld);
  ::chmod(In(readOnly, "SICONV.INI").c_str(), 0444);
  std::map<std::string, std::string> badBefore = TreeBytes(bad);
  const std::map<std::string, std::string> readOnlyBefore = TreeBytes(readOnly);
  const CliRun run = RunCliWith({"to-si", bad, readOnly, good});
  EXPECT_EQ(run.exitCode, 1);
  badBefore["SICONV.INI"] = kIniAllOld;  // the state written agrees with the files
  EXPECT_EQ(TreeBytes(bad), badBefore);
  EXPECT_EQ(TreeBytes(readOnly), readOnlyBefore);
  EXPECT_EQ(Ini(good), kIniAllSi);
  EXPECT_TRUE(Has(run.err, In(bad, "G73.TXT") + ":2: ")) << run.err;
  EXPECT_TRUE(Has(run.err, In(readOnly, "SICONV.INI") + " に書き込めません.\n" + readOnly +
                               ": 変換に失敗しました。\n"))
      << run.err;
  EXPECT_TRUE(Has(run.err, good + ": 変換を終了しました。\n")) << run.err;
}

TEST_F(CliConversionTest, MissingHeaderIsTheOpenErrorOnOneLine) {
  const std::string s = Survey("s");
  fs::remove(In(s, "G81.HED"));
  const std::string g81 = ReadFile(In(s, "G81.TXT"));
  const CliRun run = RunCliWith({"to-si", "--quiet", s});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "ファイルがオープンできません [" + In(s, "G81.HED") + "]\n" + s +
                         ": 変換に失敗しました。\n");
  EXPECT_EQ(ReadFile(In(s, "G81.TXT")), g81);
}

TEST_F(CliConversionTest, RecursiveRunCountsTheSurveysAndSkipsHiddenFolders) {
  const std::string root = dir.Path("root");
  Survey("root/a");
  Survey("root/a/deep");
  Survey("root/b/c");
  Survey("root/.hidden");
  fs::create_directories(In(root, "empty"));
  const std::map<std::string, std::string> hidden = TreeBytes(In(root, ".hidden"));
  const CliRun run = RunCliWith({"to-si", "-r", "--quiet", root});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "");
  for (const char* s : {"a", "a/deep", "b/c"}) EXPECT_EQ(Ini(In(root, s)), kIniAllSi) << s;
  EXPECT_EQ(TreeBytes(In(root, ".hidden")), hidden);
  EXPECT_FALSE(FileExists(In(root, "b/SICONV.INI")));
  const CliRun again = RunCliWith({"to-old", "--recursive", root});
  EXPECT_TRUE(Has(again.err, "1/4 " + root + ": 変換を終了しました。\n")) << again.err;
  EXPECT_TRUE(Has(again.err, "4/4 " + In(root, "b/c") + ": 変換を終了しました。\n")) << again.err;
}

}  // namespace
}  // namespace siconv
