#include "state/folder_path.h"

#include <filesystem>
#include <system_error>

#include "engine/path_separator.h"

namespace siconv {

namespace fs = std::filesystem;
namespace {

// Folder texts are UTF-8 on Windows, where std::filesystem would take a plain
// std::string in another code page; on Linux this changes nothing.
fs::path PathOf(const std::string& text) {
  return fs::path(std::u8string(text.begin(), text.end()));
}

std::string TextOf(const fs::path& path) {
  std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace

std::string ResolveFolder(const std::string& base, const std::string& path) {
  fs::path folder = (PathOf(base) / PathOf(path)).lexically_normal();
  std::string text = TextOf(folder);
  // A root ("/", "C:\") keeps its separator, any other folder loses it.
  if (folder.has_relative_path() && IsPathSeparator(text.back())) text.pop_back();
  return text;
}

std::string FolderText(const std::string& folder) {
  return ResolveFolder(std::string(), folder);
}

std::string FolderRoot(const std::string& folder) {
  return TextOf(PathOf(folder).root_path());
}

std::vector<std::string> FolderNames(const std::string& folder) {
  std::vector<std::string> names;
  for (const fs::path& part : PathOf(folder).relative_path()) names.push_back(TextOf(part));
  return names;
}

// A root ends in its separator, any other folder is followed by one.
bool FolderContains(const std::string& outer, const std::string& folder) {
  if (!folder.starts_with(outer)) return false;
  return folder.size() == outer.size() || IsPathSeparator(outer.back()) ||
         IsPathSeparator(folder[outer.size()]);
}

std::optional<std::string> ProcessCurrentFolder() {
  std::error_code error;
  const fs::path current = fs::current_path(error);
  if (error) return std::nullopt;
  return FolderText(TextOf(current));
}

}  // namespace siconv
