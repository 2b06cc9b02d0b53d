#pragma once
// list: the quantities each folder holds and the unit they are stored in.
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_reporter.h"

namespace siconv {

// One line per quantity, in catalogue order: index, tab, caption, tab,
// "旧単位" or "ＳＩ単位". headed puts "folder:" before each folder's lines
// and a blank line between folders. False when a folder could not be read.
bool ListFolders(const std::vector<std::string>& folders, bool headed, std::ostream& out,
                 CliReporter& reporter);

}  // namespace siconv
