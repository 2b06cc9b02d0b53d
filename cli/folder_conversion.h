#pragma once
// One conversion command over one folder, as the main window runs it.
#include <string>
#include <vector>

#include "cli/cli_reporter.h"

namespace siconv {

struct ConversionRequest {
  int direction;           // kToSi or kToOld
  std::vector<int> named;  // quantities named with -q; empty for all
  bool dryRun = false;
};

// False when anything failed or, in a dry run, would fail. Every problem is
// reported; a folder with nothing to convert is left alone.
bool ConvertFolder(const std::string& folder, const ConversionRequest& request,
                   CliReporter& reporter);

}  // namespace siconv
