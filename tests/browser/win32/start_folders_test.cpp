#include "browser/start_folders.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

// The profile folder is the home folder and "C:\" the root; with no profile
// named, the current folder and the root remain.
TEST(StartFolders, CurrentThenProfileThenDriveC) {
  TempDir dir;
  const std::filesystem::path saved = std::filesystem::current_path();
  std::filesystem::current_path(std::filesystem::u8path(dir.Path()));
  wchar_t profile[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableW(L"USERPROFILE", profile, MAX_PATH);
  ASSERT_TRUE(SetEnvironmentVariableW(L"USERPROFILE", L"C:\\users\\me\\"));
  EXPECT_EQ(StartFolders(), (std::vector<std::string>{dir.Path(), "C:\\users\\me", "C:\\"}));
  ASSERT_TRUE(SetEnvironmentVariableW(L"USERPROFILE", nullptr));
  EXPECT_EQ(StartFolders(), (std::vector<std::string>{dir.Path(), "C:\\"}));
  SetEnvironmentVariableW(L"USERPROFILE", length > 0 ? profile : nullptr);
  std::filesystem::current_path(saved);
}

}  // namespace
}  // namespace siconv
