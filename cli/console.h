#pragma once
// The program's command line and console in UTF-8, whatever the platform
// speaks: Windows hands arguments over and shows text in UTF-16.
#include <ostream>
#include <string>
#include <vector>

namespace siconv {

// The arguments of main() as UTF-8 texts, the program name first.
std::vector<std::string> CommandLineArguments(int argc, char** argv);

// Streams taking UTF-8 text for standard output and standard error.
std::ostream& ConsoleOut();
std::ostream& ConsoleErr();

}  // namespace siconv
