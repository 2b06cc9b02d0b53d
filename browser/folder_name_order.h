#pragma once
// The order of subfolder names in the folder list.
#include <string>
#include <vector>

namespace siconv {

// Sorted by the user's locale collation without regard to letter case (names
// that collate equal fall back to byte order); of names equal ignoring case
// only the first remains. Names that are not valid UTF-8 keep their bytes and
// are never taken as equal to another name.
std::vector<std::string> OrderFolderNames(std::vector<std::string> names);

}  // namespace siconv
