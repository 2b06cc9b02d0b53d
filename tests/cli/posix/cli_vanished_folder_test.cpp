// A command started from a folder that has since been removed: a relative
// folder name names nothing, as it would for any program. Taken from the
// root it would convert another folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/cli/cli_test_support.h"
#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

namespace fs = std::filesystem;

TEST(CliVanishedFolder, ARelativeFolderIsReportedAndNothingElseIsTouched) {
  TempDir dir;
  CopyExample("old-units", dir.Path("data"));
  const auto before = TreeBytes(dir.Path("data"));
  const fs::path saved = fs::current_path();
  fs::create_directory(dir.Path("gone"));
  fs::current_path(dir.Path("gone"));
  fs::remove(dir.Path("gone"));
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"to-si", "tmp"}, {"declare", "tmp", "0=si"}, {"list", "tmp"}}) {
    const CliRun run = RunCliWith(args);
    EXPECT_EQ(run.exitCode, 1) << args[0];
    EXPECT_EQ(run.err.rfind("tmp: ", 0), 0u) << run.err;
  }
  EXPECT_EQ(RunCliWith({"list", dir.Path("data")}).exitCode, 0);
  fs::current_path(saved);
  EXPECT_EQ(TreeBytes(dir.Path("data")), before);
}

}  // namespace
}  // namespace siconv
