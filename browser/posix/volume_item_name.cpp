#include "browser/volume_list.h"

namespace siconv {

std::string VolumeItemName(const std::string& rootPath) {
  return rootPath;
}

}  // namespace siconv
