#include "browser/start_folders.h"

#include "browser/home_folder.h"
#include "state/folder_path.h"

namespace siconv {

std::vector<std::string> StartFolders() {
  std::vector<std::string> folders;
  if (const std::optional<std::string> current = ProcessCurrentFolder())
    folders.push_back(*current);
  if (const std::optional<std::string> home = HomeFolder()) folders.push_back(FolderText(*home));
  folders.push_back(SystemRoot());
  return folders;
}

}  // namespace siconv
