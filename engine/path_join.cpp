#include "engine/path_join.h"

#include "engine/path_separator.h"

namespace siconv {

std::string AddBackslash(std::string path) {
  if (!path.empty() && !IsPathSeparator(path.back())) path.push_back(PathSeparator());
  return path;
}

}  // namespace siconv
