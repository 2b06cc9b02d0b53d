#include "cli/convert_folders.h"

#include "cli/interruption.h"
#include "state/command_status.h"

namespace siconv {

bool ConvertFolders(const std::vector<std::string>& folders, const ConversionRequest& request,
                    bool counted, CliReporter& reporter) {
  bool allDone = true;
  for (std::size_t i = 0; i < folders.size(); ++i) {
    const std::string count =
        counted ? std::to_string(i + 1) + "/" + std::to_string(folders.size()) + " " : "";
    // After a first signal the later folders are left alone, and the folder
    // being converted stops between two quantities.
    if (InterruptRequested()) {
      reporter.Error(count + folders[i] + ": not started");
      allDone = false;
      continue;
    }
    const bool done = ConvertFolder(folders[i], request, reporter);
    allDone = allDone && done;
    if (reporter.Stopped()) {
      reporter.Error(count + folders[i] + ": interrupted");
      continue;
    }
    const std::string line = count + folders[i] + ": " + CommandStatusText(done);
    // A failed folder's line stays with --quiet: it tells whose the errors above are.
    if (done) {
      reporter.Note(line);
    } else {
      reporter.Error(line);
    }
  }
  // The folder hold may still have completed a run that was cut off: that
  // finishes the earlier run's conversion, none of this one's.
  if (request.dryRun) reporter.Note("dry run: nothing was converted");
  return allDone;
}

}  // namespace siconv
