#pragma once
// How a folder's name is shown: names are bytes, shown as UTF-8 text.
#include <string>

namespace siconv {

// The name itself when it is valid UTF-8; else, on Linux, its CP932 reading
// (names from Windows archives) when every byte decodes; else the name with
// each byte that is not UTF-8 shown as U+FFFD. Windows gives UTF-8 names only.
std::string FolderDisplayName(const std::string& name);

}  // namespace siconv
