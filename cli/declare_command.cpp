#include "cli/declare_command.h"

#include "state/folder_hold.h"
#include "state/unit_type_file.h"

namespace siconv {

bool DeclareUnits(const std::string& folder, const std::vector<UnitDeclaration>& declarations,
                  CliReporter& reporter) {
  try {
    const FolderHold hold(folder);
    UnitTypes unitType = ReadUnitTypeFile(folder);
    for (const UnitDeclaration& declaration : declarations) {
      unitType[static_cast<std::size_t>(declaration.quantity)] = declaration.unitType;
    }
    WriteUnitTypeFile(folder, unitType);
    return true;
  } catch (const Exception& e) {
    reporter.ReportException(e);
    return false;
  }
}

}  // namespace siconv
