#include "cli/folder_conversion.h"

#include "cli/quantity_selection.h"
#include "engine/line_converter.h"
#include "engine/quantity_catalogue.h"
#include "state/conversion_command.h"
#include "state/folder_entries.h"
#include "state/folder_hold.h"
#include "state/folder_scan.h"
#include "state/unit_type_file.h"

namespace siconv {
namespace {

std::string SkipText(const std::string& folder, const SkippedQuantity& skipped, int direction) {
  const std::string caption = Quantities()[static_cast<std::size_t>(skipped.quantity)].caption;
  const std::string why = skipped.reason == SkipReason::Absent ? "not in this folder"
                          : direction == kToSi                 ? "already in SI units"
                                                               : "already in old units";
  return folder + ": " + caption + ": " + why + ", skipped";
}

// A dry run writes no SICONV.INI, so the real run's first check is made
// here, reported, and the files are still checked.
bool UnitStateWritable(const std::string& folder, bool dryRun, CliReporter& reporter) {
  if (!dryRun || CanWriteUnitTypeFile(folder)) return true;
  reporter.ReportException(UnitTypeFileWriteError(folder));
  return false;
}

bool RunCommand(const std::string& folder, const ConversionRequest& request,
                CliReporter& reporter) {
  const FolderHold hold(folder);
  const FolderEntries entries = ReadFolderEntries(folder);
  UnitTypes unitType = ReadUnitTypeFile(folder);
  const QuantitySelection selection = SelectQuantities(PresentQuantities(entries.files), unitType,
                                                       request.direction, request.named);
  for (const SkippedQuantity& skipped : selection.skipped) {
    reporter.Note(SkipText(folder, skipped, request.direction));
  }
  if (selection.convert.empty()) {
    reporter.Note(folder + ": nothing to convert");
    return true;
  }
  const bool writable = UnitStateWritable(folder, request.dryRun, reporter);
  LineFile inFile;
  LineFile outFile;
  ConversionContext ctx{folder, unitType, inFile, outFile, reporter, request.dryRun};
  return RunConversionCommand(ctx, request.direction, selection.convert).success && writable;
}

}  // namespace

bool ConvertFolder(const std::string& folder, const ConversionRequest& request,
                   CliReporter& reporter) {
  try {
    return RunCommand(folder, request, reporter);
  } catch (const Exception& e) {
    reporter.ReportException(e);
    return false;
  }
}

}  // namespace siconv
