#include "browser/folder_display_name.h"

#include <gtest/gtest.h>

#include <utility>

namespace siconv {
namespace {

TEST(FolderDisplayName, ShowsUtf8ThenCp932ThenReplacementCharacters) {
  const std::pair<std::string, std::string> cases[] = {
      {"データ_1", "データ_1"},
      {"\x83\x66\x81\x5b\x83\x5e_1", "データ_1"},  // Shift-JIS
      {"\x88\x9f", "亜"},
      {"ab\x83", "ab\xef\xbf\xbd"},  // a lead byte without its trail byte
  };
  for (const auto& [name, shown] : cases) EXPECT_EQ(FolderDisplayName(name), shown) << name;
}

}  // namespace
}  // namespace siconv
