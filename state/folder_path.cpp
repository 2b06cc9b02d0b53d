#include "state/folder_path.h"

#include <filesystem>
#include <system_error>

#include "engine/path_separator.h"

namespace siconv {

namespace fs = std::filesystem;

std::string ResolveFolder(const std::string& base, const std::string& path) {
  fs::path folder = (fs::path(base) / path).lexically_normal();
  std::string text = folder.string();
  // A root ("/", "C:\") keeps its separator, any other folder loses it.
  if (folder.has_relative_path() && IsPathSeparator(text.back())) text.pop_back();
  return text;
}

std::vector<std::string> FolderNames(const std::string& folder) {
  std::vector<std::string> names;
  for (const fs::path& part : fs::path(folder).relative_path()) names.push_back(part.string());
  return names;
}

bool FolderContains(const std::string& outer, const std::string& folder) {
  if (!folder.starts_with(outer)) return false;
  return folder.size() == outer.size() || outer.back() == '/' || folder[outer.size()] == '/';
}

std::string ProcessCurrentFolder() {
  std::error_code error;
  fs::path current = fs::current_path(error);
  return error ? std::string("/") : ResolveFolder("/", current.string());
}

}  // namespace siconv
