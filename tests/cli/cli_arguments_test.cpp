#include "cli/cli_arguments.h"

#include <gtest/gtest.h>

#include "tests/cli/cli_test_support.h"
#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

TEST(CliArgumentsTest, ReadsOptionsAnywhereAfterTheCommand) {
  const CliArguments args = ParseCliArguments(
      {"-r", "to-si", "a", "-q", "1", "--quantity=給圧", "--dry-run", "--quiet", "b"});
  EXPECT_EQ(args.command, CliCommand::ToSi);
  EXPECT_TRUE(args.recursive && args.dryRun && args.quiet);
  EXPECT_EQ(args.quantities, (std::vector<int>{1, 0}));
  EXPECT_EQ(args.folders, (std::vector<std::string>{"a", "b"}));
}

TEST(CliArgumentsTest, DashDashAndLoneDashAreFolders) {
  EXPECT_EQ(ParseCliArguments({"to-old", "-", "--", "-r", "--"}).folders,
            (std::vector<std::string>{"-", "-r", "--"}));
}

TEST(CliArgumentsTest, DeclareTakesOneFolderAndItsDeclarations) {
  const CliArguments args = ParseCliArguments({"declare", "d", "0=si", "送水圧=old", "5=si"});
  EXPECT_EQ(args.folders, (std::vector<std::string>{"d"}));
  ASSERT_EQ(args.declarations.size(), 3u);
  EXPECT_EQ(args.declarations[1].quantity, 1);
  EXPECT_EQ(args.declarations[1].unitType, 0);
  EXPECT_EQ(args.declarations[2].unitType, 1);
}

TEST(CliArgumentsTest, UsageErrorsNameTheArgumentAndTouchNothing) {
  TempDir dir;
  CopyExample("old-units", dir.Path("s"));
  const std::string s = dir.Path("s");
  const std::map<std::string, std::string> before = TreeBytes(dir.Path());
  const struct {
    std::vector<std::string> args;
    std::string message;
  } cases[] = {
      {{}, "missing command"},
      {{"frob", s}, "unknown command 'frob'"},
      {{"to-si", "--frob", s}, "unknown option '--frob'"},
      {{"to-si", "-rq", "0", s}, "unknown option '-rq'"},
      {{"to-si", "-q", "7", s}, "unknown quantity '7'"},
      {{"to-si", "-q", "給", s}, "unknown quantity '給'"},
      {{"to-si", s, "-q"}, "option '-q' needs Q"},
      {{"to-si", "--dry-run=yes", s}, "option '--dry-run' takes no value"},
      {{"list", "-q", "0", s}, "option '-q' does not apply to 'list'"},
      {{"declare", "-r", s, "0=si"}, "option '-r' does not apply to 'declare'"},
      {{"declare", s, "0=kg"}, "bad declaration '0=kg'"},
      {{"declare", s, "6=si"}, "bad declaration '6=si'"},
      {{"declare", s}, "missing declaration"},
      {{"to-si"}, "missing folder"},
      {{"to-si", ""}, "empty folder name"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    const CliRun run = RunCliWith(c.args);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("siconv-cli: " + c.message), std::string::npos) << run.err;
  }
  EXPECT_EQ(TreeBytes(dir.Path()), before);
}

TEST(CliArgumentsTest, HelpExplainsEveryCommandAndVersionNamesTheProgram) {
  const CliRun help = RunCliWith({"to-si", "-q", "0", "--help"});
  EXPECT_EQ(help.exitCode, 0);
  for (const char* word : {"list [-r] FOLDER", "to-si [-r] [-q Q]", "to-old [-r] [-q Q]",
                           "declare FOLDER Q=old|si", "--recursive", "--quantity", "--dry-run",
                           "--quiet", "--version", "5  地耐力(ｽｳｴｰﾃﾞﾝ式ｻｳﾝﾃﾞｨﾝｸﾞ)"}) {
    EXPECT_NE(help.out.find(word), std::string::npos) << word;
  }
  const CliRun version = RunCliWith({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, "VELD Ver1.02\n");
}

}  // namespace
}  // namespace siconv
