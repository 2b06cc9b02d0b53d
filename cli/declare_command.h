#pragma once
// declare: records which unit the data of some quantities are in, converting
// nothing, and writes SICONV.INI at once.
#include <string>
#include <vector>

#include "cli/cli_reporter.h"
#include "cli/quantity_argument.h"

namespace siconv {

// The other quantities keep the state SICONV.INI has for them. False when the
// file could not be written.
bool DeclareUnits(const std::string& folder, const std::vector<UnitDeclaration>& declarations,
                  CliReporter& reporter);

}  // namespace siconv
