#pragma once
// One conversion command over a data folder, shared by the window and the
// command-line tool: SICONV.INI checked, the quantities converted in order up
// to the first failure, the caller told which were converted, SICONV.INI
// written, and only then any error raised, so that files and state agree.
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
// be written. afterConversions runs before SICONV.INI is written, also when a
// conversion raised; that exception is raised again after the write.
CommandOutcome RunConversionCommand(
    ConversionContext& ctx, int direction, const std::vector<int>& quantities,
    const std::function<void(const CommandOutcome&)>& afterConversions = {});

}  // namespace siconv
