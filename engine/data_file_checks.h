#pragma once
// Checks that keep a conversion from writing through, or losing, files that
// are not what they seem: each raises an Exception that names the file.
#include <initializer_list>
#include <string>
#include <string_view>

#include "engine/file_system.h"
#include "engine/line_file.h"

namespace siconv {

// The status of a file just opened for reading. A pipe, a device or a folder
// is refused with "%s は通常のファイルではありません".
FileStatus RequireRegularFile(const LineFile& file);

// The same check for a handle opened by path.
FileStatus RequireRegularFile(FileHandle file, const std::string& path);

// Refuses with EInOutError io_code::kAccessDenied "%s に書き込めません", naming the first of paths
// that could not be replaced. Missing files pass.
void RequireReplaceable(std::initializer_list<std::string> paths);

// Gives the file being written the permissions and, where allowed, the owner
// and group of the file it will replace.
void KeepAttributes(LineFile& output, const FileStatus& original);

// A line that holds a lone LF or a NUL byte has lost its CR LF line ends (or
// is no text); converting it would drop data. Refused with file and line.
void RequireTextLine(const std::string& fileName, long lineNumber, std::string_view line);

}  // namespace siconv
