#include "engine/data_file_name.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine/exceptions.h"
#include "engine/file_system.h"
#include "engine/format_text.h"
#include "engine/io_code.h"
#include "engine/path_join.h"

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

// Every entry equal to name ignoring case, of any kind, in byte order so that
// reports do not depend on the order in which the folder lists them. A
// missing folder has none; opening the name in it then tells what is missing.
std::vector<std::string> EntriesNamed(const std::string& folder, const std::string& name) {
  std::vector<FolderEntry> entries;
  const std::string listed = folder.empty() ? "." : folder;
  if (int code = CurrentFileSystem().ListFolder(listed, entries)) {
    if (code == io_code::kFileNotFound || code == io_code::kPathNotFound) return {};
    CheckIoAt(code, listed);
  }
  std::vector<std::string> found;
  for (const FolderEntry& entry : entries) {
    if (EqualsIgnoringAsciiCase(entry.name, name)) found.push_back(entry.name);
  }
  std::sort(found.begin(), found.end());
  return found;
}

}  // namespace

// Two entries would leave one of them in the other unit while SICONV.INI
// speaks for both, so the name must be unique ignoring case.
std::string ResolveDataFile(const std::string& folder, const std::string& name) {
  const std::vector<std::string> found = EntriesNamed(folder, name);
  const std::string base = AddBackslash(folder);
  if (found.size() > 1) {
    throw Exception(FormatText("%s と %s は大文字と小文字だけが違う名前です",
                               {base + found[0], base + found[1]}));
  }
  return base + (found.empty() ? name : found.front());
}

}  // namespace siconv
