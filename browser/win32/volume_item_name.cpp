#include <cctype>

#include "browser/volume_list.h"

namespace siconv {

// The drive chooser shows its letters in lower case, as the classic control did.
std::string VolumeItemName(const std::string& rootPath) {
  return {static_cast<char>(std::tolower(static_cast<unsigned char>(rootPath.at(0)))), ':'};
}

}  // namespace siconv
