#include "cli/usage_text.h"

#include "engine/quantity_catalogue.h"

namespace siconv {
namespace {

constexpr const char* kCommandsAndOptions = R"(Usage: siconv-cli COMMAND [OPTION]... FOLDER...
Converts the measured quantities of survey folders in place between the old
units (kgf/cm2, kgf, kgf/m2) and SI units (kN/m2, kN), and records the unit
each quantity is stored in in the folder's SICONV.INI.

Commands:
  list [-r] FOLDER...            For each folder, the quantities it holds, one
                                 line each: index, tab, caption, tab, and
                                 旧単位 (old units) or ＳＩ単位 (SI units).
  to-si [-r] [-q Q]... FOLDER...
                                 Converts the quantities stored in old units
                                 to SI units.
  to-old [-r] [-q Q]... FOLDER...
                                 Converts the quantities stored in SI units
                                 back to old units.
  declare FOLDER Q=old|si...     Declares which unit the data of quantity Q
                                 are in, converting nothing; SICONV.INI is
                                 written at once.

Each folder of to-si and to-old is one command, as in the main window: it
stops when SICONV.INI cannot be written, converts its quantities in the order
below up to the first failure, then writes SICONV.INI so that it agrees with
the files. The next folder is processed whatever happened.

Options:
  -r, --recursive     Also every folder below the given ones that holds a
                      record file (G73.TXT, G81.TXT, L204.TXT, L205.TXT), in
                      sorted order; hidden folders and links to folders are
                      skipped.
  -q, --quantity Q    Only quantity Q; may be repeated. A named quantity that
                      the folder does not hold, or that is already in the
                      target unit, is reported and skipped.
      --dry-run       Reads and converts every file in memory and reports
                      every problem (files that cannot be opened, bad fields
                      with file and line, an unwritable SICONV.INI), but
                      writes nothing.
      --quiet         Reports errors only.
  -h, --help          Shows this help.
      --version       Shows the program's version.

Progress, results and errors go to standard error; with -r each result line
counts the folders done out of the total.

A folder that another siconv process is using is refused at once and the
next folder is processed. A first Ctrl-C (or SIGTERM, SIGHUP) lets the
quantity being converted finish, reports the folders interrupted or not
started, and exits; a second one ends the program at once, and the next
command on the folder completes what was left.

Exit status: 0 when every folder succeeded, 1 when any failed, 2 for a wrong
command line (nothing is touched), 130 after an interruption.

Quantities (Q is the index or the caption):
)";

}  // namespace

std::string HelpText() {
  std::string text = kCommandsAndOptions;
  for (std::size_t q = 0; q < Quantities().size(); ++q) {
    const Quantity& quantity = Quantities()[q];
    text += "  " + std::to_string(q) + "  " + quantity.caption + "  (" + quantity.oldUnit + " / " +
            quantity.siUnit + ")\n";
  }
  return text;
}

}  // namespace siconv
