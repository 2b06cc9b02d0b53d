#pragma once
// Folder texts of the browser: a root is "/" on Linux and "C:\" (a drive
// letter, a colon and a backslash) on Windows; any other folder is absolute
// with no trailing separator. Paths are native bytes (UTF-8 on Windows) and
// compared exactly.
#include <optional>
#include <string>
#include <vector>

namespace siconv {

// path taken relative to base (itself a folder text) unless it is absolute,
// then cleaned of ".", ".." and repeated "/" without following links.
std::string ResolveFolder(const std::string& base, const std::string& path);

// An absolute path as a folder text, cleaned as ResolveFolder cleans it.
std::string FolderText(const std::string& folder);

// The root of an absolute folder text: "/", "C:\".
std::string FolderRoot(const std::string& folder);

// The names from the root down to folder; empty for the root.
std::vector<std::string> FolderNames(const std::string& folder);

// True when folder is outer itself or lies below it.
bool FolderContains(const std::string& outer, const std::string& folder);

// The process's current folder as a folder text; nullopt when it no longer
// exists.
std::optional<std::string> ProcessCurrentFolder();

}  // namespace siconv
