#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/error_report.h"

namespace siconv {
namespace {

TEST(ApplicationTitle, CutsTheFileNameAtEitherSeparator) {
  const std::vector<std::pair<std::string, std::string>> table = {
      {"C:\\Program Files\\siconv\\SICONV.EXE", "Siconv"},
      {"C:\\a.b\\siconv-cli.exe", "Siconv-cli"},
      {"C:/tools\\bin/Siconv.exe", "Siconv"},
      {"\\\\server\\share\\siconv.exe", "Siconv"},
  };
  for (const auto& [path, title] : table) {
    EXPECT_EQ(ApplicationTitle(path), title) << path;
  }
}

}  // namespace
}  // namespace siconv
