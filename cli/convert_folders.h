#pragma once
// to-si and to-old: one conversion command per folder, each whatever the
// others did, with a result line per folder.
#include <string>
#include <vector>

#include "cli/folder_conversion.h"

namespace siconv {

// counted puts "n/total " before each result line. True when every folder
// succeeded.
bool ConvertFolders(const std::vector<std::string>& folders, const ConversionRequest& request,
                    bool counted, CliReporter& reporter);

}  // namespace siconv
