#include "tests/cli/cli_test_support.h"

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "cli/run_cli.h"
#include "engine/path_separator.h"
#include "tests/support/temp_dir.h"

namespace siconv {
namespace fs = std::filesystem;

CliRun RunCliWith(const std::vector<std::string>& args) {
  std::vector<std::string> words{"siconv-cli"};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  std::ostringstream out;
  std::ostringstream err;
  const int code = RunCli(static_cast<int>(words.size()), argv.data(), out, err);
  return {code, out.str(), err.str()};
}

std::string In(const std::string& folder, std::string name) {
  std::replace(name.begin(), name.end(), '/', PathSeparator());
  return folder + PathSeparator() + name;
}

void CopyExample(const std::string& example, const std::string& folder) {
  fs::create_directories(fs::path(folder).parent_path());
  fs::copy(fs::path(SICONV_SOURCE_DIR) / "examples" / example, folder, fs::copy_options::recursive);
}

std::map<std::string, std::string> TreeBytes(const std::string& folder) {
  std::map<std::string, std::string> bytes;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file() && !IsFolderLockMark(entry.path().filename().string())) {
      bytes[fs::relative(entry.path(), folder).string()] = ReadFile(entry.path().string());
    }
  }
  return bytes;
}

}  // namespace siconv
