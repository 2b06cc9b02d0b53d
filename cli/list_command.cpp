#include "cli/list_command.h"

#include "engine/quantity_catalogue.h"
#include "state/folder_entries.h"
#include "state/folder_hold.h"
#include "state/folder_scan.h"
#include "state/unit_type_file.h"

namespace siconv {
namespace {

// The folder is read whole before anything is printed, so that a folder
// that fails prints no part of its list.
std::string FolderListing(const std::string& folder) {
  const FolderHold hold(folder);
  const FolderEntries entries = ReadFolderEntries(folder);
  const UnitTypes unitType = ReadUnitTypeFile(folder);
  std::string text;
  for (int q : PresentQuantities(entries.files)) {
    const bool si = unitType[static_cast<std::size_t>(q)] != 0;
    text += std::to_string(q) + "\t" + Quantities()[static_cast<std::size_t>(q)].caption + "\t" +
            (si ? "ＳＩ単位" : "旧単位") + "\n";
  }
  return text;
}

}  // namespace

bool ListFolders(const std::vector<std::string>& folders, bool headed, std::ostream& out,
                 CliReporter& reporter) {
  bool allListed = true;
  const char* separator = "";
  for (const std::string& folder : folders) {
    try {
      const std::string listing = FolderListing(folder);
      if (headed) out << separator << folder << ":\n";
      out << listing;
      separator = "\n";
    } catch (const Exception& e) {
      reporter.Error(folder + ": " + ReportExceptionText(e.Message()));
      allListed = false;
    }
  }
  return allListed;
}

}  // namespace siconv
