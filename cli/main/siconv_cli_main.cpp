// siconv-cli: batch conversion of survey folders from the command line.
#include <string>
#include <vector>

#include "cli/console.h"
#include "cli/run_cli.h"

int main(int argc, char** argv) {
  std::vector<std::string> arguments = siconv::CommandLineArguments(argc, argv);
  std::vector<char*> pointers;
  for (std::string& argument : arguments) pointers.push_back(argument.data());
  pointers.push_back(nullptr);
  std::ostream& out = siconv::ConsoleOut();
  std::ostream& err = siconv::ConsoleErr();
  int code = siconv::RunCli(static_cast<int>(arguments.size()), pointers.data(), out, err);
  out.flush();
  return code;
}
