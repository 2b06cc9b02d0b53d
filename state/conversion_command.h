#pragma once
// One conversion command over a data folder, shared by the window and the
// command-line tool: SICONV.INI checked, the quantities converted in order up
// to the first failure, each put in place under the folder journal with
// SICONV.INI, the caller told which were converted, and only then any error
// raised, so that files and state agree. The caller holds the folder
// (FolderHold) from before it read the units until this returns.
#include <functional>
#include <vector>

#include "engine/file_conversion.h"

namespace siconv {

struct CommandOutcome {
  bool success = true;  // false when a quantity could not be converted
  // One entry per requested quantity: its unit state moved to the target
  // (its record file was replaced), even if its header file then failed.
  std::vector<bool> converted;
};

// Raises the SICONV.INI error before converting anything when the file cannot
// be written. afterConversions runs once the conversions are over, also when
// one raised; that exception is raised again afterwards.
CommandOutcome RunConversionCommand(
    ConversionContext& ctx, int direction, const std::vector<int>& quantities,
    const std::function<void(const CommandOutcome&)>& afterConversions = {});

}  // namespace siconv
