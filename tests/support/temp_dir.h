#pragma once
// A temporary folder for a test, removed with everything in it at the end,
// and whole-file helpers that read and write bytes untranslated.
#include <string>
#include <string_view>

namespace siconv {

class TempDir {
 public:
  TempDir();  // a new folder under $TMPDIR or /tmp; on Windows under %TEMP%
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return path_; }
  // name in the folder, joined with the platform's separator.
  std::string Path(std::string_view name) const;

 private:
  std::string path_;
};

// Creates or replaces the file with exactly these bytes; throws std::runtime_error on failure.
void WriteFile(const std::string& path, std::string_view bytes);
// The file's bytes; throws std::runtime_error when it cannot be read.
std::string ReadFile(const std::string& path);
bool FileExists(const std::string& path);
// The file that marks a folder lock on Windows; it may stay in a folder and
// is no survey data.
bool IsFolderLockMark(const std::string& name);
// Takes every write permission (on Windows: sets the read-only attribute).
void MakeReadOnly(const std::string& path);
// False where this process may write a read-only file all the same (root on
// Linux, and so under a Wine run by root).
bool ReadOnlyIsEnforced(const std::string& path);

}  // namespace siconv
