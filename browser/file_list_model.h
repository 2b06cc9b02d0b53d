#pragma once
// The hidden file list: the data folder and the names of its plain files.
#include <string>
#include <vector>

namespace siconv {

class FileListModel {
 public:
  // Stands on folder (an absolute path) and reads its names.
  // Raises EInOutError when it cannot be listed.
  explicit FileListModel(const std::string& folder);

  // The data folder, in the same text form as the folder list's.
  const std::string& Folder() const { return folder_; }

  // Nothing happens when path names the current folder: the names are read
  // only when the folder changes. A folder that cannot be listed raises
  // EInOutError and leaves folder and names as they were.
  void SetFolder(const std::string& path);

  // Visible regular files (after following links), in byte order, each once.
  const std::vector<std::string>& Names() const { return names_; }
  int Count() const { return static_cast<int>(names_.size()); }
  const std::string& Item(int index) const { return names_.at(index); }

 private:
  std::string folder_;
  std::vector<std::string> names_;
};

}  // namespace siconv
