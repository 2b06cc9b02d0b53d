#include "browser/start_folders.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <optional>

#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

namespace fs = std::filesystem;

// Both windows try the current folder, the home folder, then the root; a
// current folder that is gone is left out rather than taken for the root.
TEST(StartFolders, CurrentHomeRootAndNoCurrentOnceItIsGone) {
  TempDir dir;
  fs::create_directories(dir.Path("home"));
  fs::create_directories(dir.Path("here"));
  const fs::path saved = fs::current_path();
  const char* savedHome = getenv("HOME");
  const std::optional<std::string> home =
      savedHome ? std::optional<std::string>(savedHome) : std::nullopt;
  setenv("HOME", (dir.Path("home") + "/").c_str(), 1);
  fs::current_path(dir.Path("here"));
  EXPECT_EQ(StartFolders(), (std::vector<std::string>{dir.Path("here"), dir.Path("home"), "/"}));
  fs::remove(dir.Path("here"));
  EXPECT_EQ(StartFolders(), (std::vector<std::string>{dir.Path("home"), "/"}));
  fs::current_path(saved);
  if (home) setenv("HOME", home->c_str(), 1);
  if (!home) unsetenv("HOME");
}

}  // namespace
}  // namespace siconv
