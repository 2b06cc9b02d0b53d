#pragma once
// The folders a command works on, as absolute folder texts.
#include <string>
#include <vector>

namespace siconv {

// A folder argument taken relative to the process's current folder. Raises
// EInOutError naming the argument for a relative one when that folder is gone.
std::string AbsoluteFolder(const std::string& argument);

// The given folders and, when recursive, every folder below them that holds
// a record file (or cannot be read, so that the command reports why), each
// folder's subfolders in byte order after it. Hidden folders and links to
// folders below a given folder are skipped; every folder comes once.
std::vector<std::string> SurveyFolders(const std::vector<std::string>& arguments, bool recursive);

}  // namespace siconv
