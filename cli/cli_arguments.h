#pragma once
// The command line of siconv-cli, read into what the commands need.
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/quantity_argument.h"

namespace siconv {

enum class CliCommand { Help, Version, List, ToSi, ToOld, Declare };

struct CliArguments {
  CliCommand command = CliCommand::Help;
  bool recursive = false;
  bool dryRun = false;
  bool quiet = false;
  std::vector<int> quantities;  // named with -q, in the order given
  std::vector<std::string> folders;
  std::vector<UnitDeclaration> declarations;  // declare only
};

// A command line that does not fit; the message names the wrong argument.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// args without the program's name. Options may stand anywhere after the
// program's name; "--" ends them. Raises UsageError.
CliArguments ParseCliArguments(const std::vector<std::string>& args);

}  // namespace siconv
