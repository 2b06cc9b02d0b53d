#include "browser/home_folder.h"

#include <QDir>

namespace siconv {

std::optional<std::string> HomeFolder() {
  return QDir::homePath().toStdString();
}

std::string SystemRoot() {
  return "/";
}

}  // namespace siconv
