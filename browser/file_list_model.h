#pragma once
// The hidden file list: the names of the data folder's plain files.
#include <string>
#include <vector>

namespace siconv {

class FileListModel {
 public:
  // Reads the names of folder (an absolute path).
  // Raises EInOutError when it cannot be listed.
  explicit FileListModel(const std::string& folder);

  // Visible regular files (after following links), in byte order, each once.
  const std::vector<std::string>& Names() const { return names_; }

 private:
  std::vector<std::string> names_;
};

}  // namespace siconv
