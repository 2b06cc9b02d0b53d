// siconv-cli: batch conversion of survey folders from the command line.
#include <iostream>

#include "cli/run_cli.h"

int main(int argc, char** argv) {
  return siconv::RunCli(argc, argv, std::cout, std::cerr);
}
