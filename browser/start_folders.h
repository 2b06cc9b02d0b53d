#pragma once
// Where the windows stand at start: the first of the candidate folders that
// can be listed. Only the first failure is reported, so a user whose current
// folder is gone sees one message, not one per candidate.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/error_report.h"

namespace siconv {

// make(folder) builds the windows on folder or raises; null when it raises
// for every candidate.
template <class Windows, class Make>
std::unique_ptr<Windows> MakeOnFirstFolder(ErrorUi& errors, const std::vector<std::string>& folders,
                                           Make make) {
  bool reported = false;
  for (const std::string& folder : folders) {
    try {
      return make(folder);
    } catch (const Exception& e) {
      if (!std::exchange(reported, true)) errors.ReportException(e);
    }
  }
  return nullptr;
}

}  // namespace siconv
