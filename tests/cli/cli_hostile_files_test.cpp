// What siconv-cli prints for files that are not what they seem: one short,
// safe line that names the file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/path_separator.h"
#include "tests/cli/cli_test_support.h"
#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

struct ReportCase {
  const char* what;
  std::vector<std::string> command;  // "<dir>" stands for the folder
  std::string record;                // G73.TXT; G73.HED is always fine
  std::string expected;              // the error line, with "<dir>" for the folder
};

// "<dir>/" becomes the folder and the platform's separator.
std::string InFolder(std::string text, const std::string& folder) {
  const std::size_t at = text.find("<dir>");
  if (at == std::string::npos) return text;
  text.replace(at, 5, folder);
  const std::size_t after = at + folder.size();
  if (after < text.size() && text[after] == '/') text[after] = PathSeparator();
  return text;
}

TEST(CliHostileFilesTest, ErrorsAreOneShortLineWithControlBytesEscaped) {
  const std::string hugeField = "1,1,\x1b[2J" + std::string(2'000'000, '7') + ",1\r\n";
  const ReportCase cases[] = {
      {"huge field with terminal control bytes",
       {"to-si", "<dir>"},
       hugeField,
       "<dir>/G73.TXT:1: '\\x1B[2J777777777777777777777777777777777777...' "
       "は浮動小数点数ではありません.\n"},
      {"LF-only lines in a dry run",
       {"to-si", "--dry-run", "<dir>"},
       "1,1,1,1\n2,1,1,1\n",
       "<dir>/G73.TXT の改行が CR LF ではありません (1 行)\n"},
  };
  for (const ReportCase& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    WriteFile(dir.Path("G73.TXT"), c.record);
    WriteFile(dir.Path("G73.HED"), "0 1 2\r\n\r\n");
    std::vector<std::string> args;
    for (const std::string& arg : c.command) args.push_back(InFolder(arg, dir.Path()));
    const CliRun run = RunCliWith(args);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find(InFolder(c.expected, dir.Path())), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\x1b'), std::string::npos);
    EXPECT_LT(run.err.size(), 1000u);
    EXPECT_EQ(ReadFile(dir.Path("G73.TXT")), c.record);
  }
}

}  // namespace
}  // namespace siconv
