#include <optional>
#include <string>
#include <vector>

#include "engine/file_conversion.h"
#include "engine/file_system.h"
#include "engine/io_code.h"
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

[[noreturn]] void RaiseLookupError(int code, const std::string& path) {
  EInOutError error = MakeIoError(code);
  error.SetPlace(path, 0);
  throw error;
}

// The smallest matching entry name, so that the choice does not depend on
// the order in which the folder happens to list its entries. A missing
// folder has none; opening the name in it then tells what is missing.
std::optional<std::string> FindIgnoringCase(const std::string& folder, const std::string& name) {
  std::vector<FolderEntry> entries;
  const std::string listed = folder.empty() ? "." : folder;
  if (int code = CurrentFileSystem().ListFolder(listed, entries)) {
    if (code == io_code::kFileNotFound || code == io_code::kPathNotFound) return std::nullopt;
    RaiseLookupError(code, listed);
  }
  std::optional<std::string> found;
  for (const FolderEntry& entry : entries) {
    if (EqualsIgnoringAsciiCase(entry.name, name) && (!found || entry.name < *found)) {
      found = entry.name;
    }
  }
  return found;
}

}  // namespace

std::string ResolveDataFile(const std::string& folder, const std::string& name) {
  const std::string exact = AddBackslash(folder) + name;
  FileStatus status;
  if (int code = CurrentFileSystem().Status(exact, Links::Own, status)) {
    RaiseLookupError(code, exact);
  }
  if (status.kind != FileKind::Missing) return exact;
  if (auto other = FindIgnoringCase(folder, name)) return AddBackslash(folder) + *other;
  return exact;
}

}  // namespace siconv
