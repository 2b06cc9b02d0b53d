#include "engine/file_access.h"

#include <sys/stat.h>
#include <unistd.h>

namespace siconv {

bool IsReadOnlyFile(const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return false;
  return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || access(path.c_str(), W_OK) != 0;
}

}  // namespace siconv
