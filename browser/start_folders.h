#pragma once
// Where the windows stand at start: the first of the candidate folders that
// can be listed. Only the first failure is reported, so a user whose current
// folder is gone sees one message, not one per candidate.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "browser/volume_list.h"
#include "engine/error_report.h"

namespace siconv {

// The candidates in order: the process's current folder, the user's home
// folder, the system's root; a folder the system cannot name is left out.
std::vector<std::string> StartFolders();

// Windows(errors, folder, volumes) on the first folder where it does not
// raise; null when it raises for every candidate.
template <class Windows>
std::unique_ptr<Windows> CreateOnFirstFolder(ErrorUi& errors,
                                             const std::vector<std::string>& folders,
                                             const std::vector<VolumeRecord>& volumes) {
  bool reported = false;
  for (const std::string& folder : folders) {
    try {
      return std::make_unique<Windows>(errors, folder, volumes);
    } catch (const Exception& e) {
      if (!std::exchange(reported, true)) errors.ReportException(e);
    }
  }
  return nullptr;
}

}  // namespace siconv
