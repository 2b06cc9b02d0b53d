#include "state/folder_entries.h"

#include "engine/file_system.h"
#include "engine/io_code.h"

namespace siconv {

FolderEntries ReadFolderEntries(const std::string& folder) {
  std::vector<FolderEntry> listed;
  CheckIoAt(CurrentFileSystem().ListFolder(folder, listed), folder);
  FolderEntries entries;
  for (const FolderEntry& entry : listed) {
    if (entry.hidden) continue;
    if (entry.kind == FileKind::Folder) entries.folders.push_back(entry.name);
    if (entry.kind == FileKind::Regular) entries.files.push_back(entry.name);
  }
  return entries;
}

}  // namespace siconv
