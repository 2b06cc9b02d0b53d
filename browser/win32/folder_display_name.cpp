#include "browser/folder_display_name.h"

namespace siconv {

// The wide calls give every name as UTF-8 already.
std::string FolderDisplayName(const std::string& name) {
  return name;
}

}  // namespace siconv
