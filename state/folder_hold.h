#pragma once
// One command at a time on a data folder. Every command that reads or changes
// a folder (the window's folder scan and conversion, and each folder of the
// command-line tool) holds it from before it reads SICONV.INI until it is
// done: the hold takes the folder's advisory lock without waiting, then
// completes an interrupted conversion (RecoverFolder), so that what the
// command reads is the folder's true state. The kernel releases the lock
// when the process ends, however it ends.
#include <string>

#include "engine/file_system.h"

namespace siconv {

class FolderHold {
 public:
  // Raises "%s は他のプログラムが使用中です" naming the folder when another
  // process holds it, and what RecoverFolder raises; the lock is released
  // again then.
  explicit FolderHold(const std::string& dataFolder);
  ~FolderHold();
  FolderHold(const FolderHold&) = delete;
  FolderHold& operator=(const FolderHold&) = delete;

 private:
  FileHandle lock_;
};

}  // namespace siconv
