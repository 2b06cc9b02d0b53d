#pragma once
// One reading of a folder for the browser: the names of its visible
// subfolders and of its visible regular files.
#include <string>
#include <vector>

namespace siconv {

struct FolderEntries {
  std::vector<std::string> folders;  // directories after following links
  std::vector<std::string> files;    // regular files after following links
};

// Hidden entries (FolderEntry::hidden: a leading "." on Linux, the hidden or
// system attribute on Windows, such as the folder lock's SICONV.LCK) are left
// out; so are entries that are neither folders nor regular files (sockets,
// dangling links).
// Names come in directory order, as the file system stores them.
// Raises EInOutError when the folder cannot be opened or read.
FolderEntries ReadFolderEntries(const std::string& folder);

}  // namespace siconv
