#include "engine/error_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/conversion_host.h"
#include "tests/support/recording_host.h"

namespace siconv {
namespace {

TEST(ReportExceptionText, PeriodFollowsCharactersAboveThePeriod) {
  const std::vector<std::pair<std::string, std::string>> table = {
      {"ファイルが見つかりません", "ファイルが見つかりません."},
      {"I/O エラー (32)", "I/O エラー (32)"},
      {"変換しました。", "変換しました。."},
      {"", ""},
      {"abc.", "abc."},
      {"ends in a blank ", "ends in a blank "},
      {"ends in a comma,", "ends in a comma,"},
      {"ends in a hyphen-", "ends in a hyphen-"},
      {"ends in a slash/", "ends in a slash/."},
      {"ends in a digit 7", "ends in a digit 7."},
      {"x", "x."},
      {"é", "é."},  // a two-byte character taken whole
  };
  for (const auto& [message, text] : table) {
    EXPECT_EQ(ReportExceptionText(message), text) << message;
  }
}

TEST(ApplicationTitle, FileNameCutAtTheFirstPeriodAndCapitalised) {
  const std::vector<std::pair<std::string, std::string>> table = {
      {"/usr/bin/siconv", "Siconv"},
      {"/x/UNITCONV.EXE", "Unitconv"},
      {"siconv-cli", "Siconv-cli"},
      {"/opt/a.b/siconv.tar.gz", "Siconv"},
      {"/x/ÉTUDE.EXE", "Étude"},  // multi-byte characters stay as they are
      {"/x/.hidden", ""},
      {"", ""},
  };
  for (const auto& [path, title] : table) {
    EXPECT_EQ(ApplicationTitle(path), title) << path;
  }
}

TEST(ShowOpenError, ShowsTheErrorDialogNamingThePath) {
  RecordingHost host;
  host.ShowOpenError("/data/site 1/KELDRAN.$$$");
  EXPECT_TRUE(host.errors.reports.empty());
  ASSERT_EQ(host.errors.dialogs.size(), 1u);
  const auto& call = host.errors.dialogs[0];
  EXPECT_EQ(call.text, "ファイルがオープンできません\r\n[/data/site 1/KELDRAN.$$$]");
  EXPECT_EQ(call.kind, message_dialog::kKindError);
  EXPECT_EQ(call.buttons, 0x0010);
  EXPECT_EQ(call.helpContext, 0);
}

}  // namespace
}  // namespace siconv
