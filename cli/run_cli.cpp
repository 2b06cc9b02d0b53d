#include "cli/run_cli.h"

#include <string>
#include <vector>

#include "cli/cli_arguments.h"
#include "cli/convert_folders.h"
#include "cli/declare_command.h"
#include "cli/interruption.h"
#include "cli/list_command.h"
#include "cli/survey_folders.h"
#include "cli/usage_text.h"
#include "engine/exceptions.h"
#include "engine/line_converter.h"
#include "state/product_name.h"
#include "state/regional_settings.h"

namespace siconv {
namespace {

bool RunOnFolders(const CliArguments& args, std::ostream& out, CliReporter& reporter) {
  if (args.command == CliCommand::Declare) {
    return DeclareUnits(AbsoluteFolder(args.folders.front()), args.declarations, reporter);
  }
  const std::vector<std::string> folders = SurveyFolders(args.folders, args.recursive);
  if (args.command == CliCommand::List) {
    return ListFolders(folders, folders.size() > 1, out, reporter);
  }
  const int direction = args.command == CliCommand::ToSi ? kToSi : kToOld;
  return ConvertFolders(folders, {direction, args.quantities, args.dryRun}, args.recursive,
                        reporter);
}

// A folder argument that names nothing ends the command with its report.
bool RunCommand(const CliArguments& args, std::ostream& out, CliReporter& reporter) {
  try {
    return RunOnFolders(args, out, reporter);
  } catch (const Exception& e) {
    reporter.ReportException(e);
    return false;
  }
}

}  // namespace

int RunCli(int argc, char** argv, std::ostream& out, std::ostream& err) {
  CliArguments args;
  try {
    args = ParseCliArguments(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const UsageError& e) {
    err << kCliName << ": " << e.what() << "\nTry '" << kCliName << " --help'.\n";
    return kExitUsage;
  }
  if (args.command == CliCommand::Help) out << HelpText();
  if (args.command == CliCommand::Version) out << kMakerName << ' ' << kVersionCaption << '\n';
  if (args.command == CliCommand::Help || args.command == CliCommand::Version) return kExitSuccess;
  ApplyRegionalSettings();
  const InterruptionHandlers handlers;
  CliReporter reporter(err, args.quiet);
  const bool succeeded = RunCommand(args, out, reporter);
  if (InterruptRequested()) return kExitInterrupted;
  return succeeded ? kExitSuccess : kExitFailure;
}

}  // namespace siconv
