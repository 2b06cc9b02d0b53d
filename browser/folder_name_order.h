#pragma once
// The order of subfolder names in the folder list.
#include <string>
#include <vector>

namespace siconv {

// Sorted by the user's locale collation of the names as shown, without regard
// to letter case (names that collate equal fall back to byte order). Every
// name stays: names equal ignoring case are different folders on a
// case-sensitive file system.
std::vector<std::string> OrderFolderNames(std::vector<std::string> names);

}  // namespace siconv
