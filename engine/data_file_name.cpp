#include <dirent.h>
#include <sys/stat.h>

#include <memory>
#include <optional>
#include <string>

#include "engine/file_conversion.h"
#include "engine/text_fields.h"

namespace siconv {
namespace {

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
    if (lower(static_cast<unsigned char>(a[i])) != lower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

// The smallest matching entry name, so that the choice does not depend on
// the order in which the folder happens to list its entries.
std::optional<std::string> FindIgnoringCase(const std::string& folder, const std::string& name) {
  std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.empty() ? "." : folder.c_str()), closedir);
  if (!dir) return std::nullopt;
  std::optional<std::string> found;
  while (const dirent* entry = readdir(dir.get())) {
    std::string_view candidate = entry->d_name;
    if (EqualsIgnoringAsciiCase(candidate, name) && (!found || candidate < *found)) {
      found = std::string(candidate);
    }
  }
  return found;
}

}  // namespace

std::string ResolveDataFile(const std::string& folder, const std::string& name) {
  const std::string exact = AddBackslash(folder) + name;
  struct stat st;
  if (lstat(exact.c_str(), &st) == 0) return exact;
  if (auto other = FindIgnoringCase(folder, name)) return AddBackslash(folder) + *other;
  return exact;
}

}  // namespace siconv
