#include "cli/cli_arguments.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace siconv {
namespace {

// Folder arguments are native bytes, taken as they are whatever their encoding.
enum class Option { Recursive, Quantity, DryRun, Quiet, Help, Version };

struct OptionName {
  std::string_view shortName;  // empty when there is none
  std::string_view longName;
  Option option;
};

constexpr std::array<OptionName, 6> kOptions{{
    {"-r", "--recursive", Option::Recursive},
    {"-q", "--quantity", Option::Quantity},
    {"", "--dry-run", Option::DryRun},
    {"", "--quiet", Option::Quiet},
    {"-h", "--help", Option::Help},
    {"", "--version", Option::Version},
}};

struct CommandName {
  std::string_view name;
  CliCommand command;
};

constexpr std::array<CommandName, 4> kCommands{{
    {"list", CliCommand::List},
    {"to-si", CliCommand::ToSi},
    {"to-old", CliCommand::ToOld},
    {"declare", CliCommand::Declare},
}};

struct GivenOption {
  Option option;
  std::string spelling;  // as typed, for messages
};

struct ScannedLine {
  std::vector<GivenOption> options;
  std::vector<std::string> operands;  // the command first
};

std::string Quoted(std::string_view text) {
  return "'" + std::string(text) + "'";
}

const OptionName& FindOption(std::string_view name) {
  for (const OptionName& option : kOptions) {
    if (name == option.longName || (!option.shortName.empty() && name == option.shortName)) {
      return option;
    }
  }
  throw UsageError("unknown option " + Quoted(name));
}

CliCommand FindCommand(std::string_view name) {
  for (const CommandName& command : kCommands) {
    if (name == command.name) return command.command;
  }
  throw UsageError("unknown command " + Quoted(name));
}

int QuantityOf(std::string_view text) {
  const std::optional<int> quantity = ParseQuantityArgument(text);
  if (!quantity) throw UsageError("unknown quantity " + Quoted(text) + " (0-5 or a caption)");
  return *quantity;
}

void SetFlag(Option option, CliArguments& result) {
  if (option == Option::Recursive) result.recursive = true;
  if (option == Option::DryRun) result.dryRun = true;
  if (option == Option::Quiet) result.quiet = true;
}

// Reads the option at args[i] and its value into result; i moves past both.
GivenOption TakeOption(const std::vector<std::string>& args, std::size_t& i, CliArguments& result) {
  const std::string& arg = args[i];
  const std::size_t equals = arg.starts_with("--") ? arg.find('=') : std::string::npos;
  const bool inlineValue = equals != std::string::npos;
  const std::string name = arg.substr(0, equals);
  const OptionName& option = FindOption(name);
  if (option.option == Option::Quantity) {
    if (!inlineValue && i + 1 == args.size())
      throw UsageError("option " + Quoted(name) + " needs Q");
    result.quantities.push_back(QuantityOf(inlineValue ? arg.substr(equals + 1) : args[++i]));
  } else if (inlineValue) {
    throw UsageError("option " + Quoted(name) + " takes no value");
  }
  SetFlag(option.option, result);
  return {option.option, name};
}

// Reads the options into result and keeps the operands in their order.
ScannedLine Scan(const std::vector<std::string>& args, CliArguments& result) {
  ScannedLine line;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--") {
      line.operands.insert(line.operands.end(), args.begin() + static_cast<long>(i) + 1,
                           args.end());
      break;
    }
    if (arg.size() < 2 || arg[0] != '-') {
      line.operands.push_back(arg);
    } else {
      line.options.push_back(TakeOption(args, i, result));
    }
  }
  return line;
}

bool Given(const ScannedLine& line, Option option) {
  return std::ranges::any_of(line.options,
                             [option](const GivenOption& given) { return given.option == option; });
}

bool Applies(Option option, CliCommand command) {
  const bool converts = command == CliCommand::ToSi || command == CliCommand::ToOld;
  if (option == Option::Recursive) return command != CliCommand::Declare;
  if (option == Option::Quantity || option == Option::DryRun) return converts;
  return true;
}

void CheckOptionsApply(const ScannedLine& line, CliCommand command, std::string_view name) {
  for (const GivenOption& given : line.options) {
    if (!Applies(given.option, command)) {
      throw UsageError("option " + Quoted(given.spelling) + " does not apply to " + Quoted(name));
    }
  }
}

// declare FOLDER Q=old|si...
void TakeDeclarations(const std::vector<std::string>& operands, CliArguments& result) {
  if (operands.size() == 1) throw UsageError("missing declaration Q=old or Q=si");
  for (std::size_t i = 1; i < operands.size(); ++i) {
    const std::optional<UnitDeclaration> declaration = ParseUnitDeclaration(operands[i]);
    if (!declaration) {
      throw UsageError("bad declaration " + Quoted(operands[i]) + " (Q=old or Q=si)");
    }
    result.declarations.push_back(*declaration);
  }
  result.folders.assign(operands.begin(), operands.begin() + 1);
}

void TakeOperands(const ScannedLine& line, CliArguments& result) {
  const std::vector<std::string> operands(line.operands.begin() + 1, line.operands.end());
  if (operands.empty()) throw UsageError("missing folder");
  if (result.command == CliCommand::Declare) {
    TakeDeclarations(operands, result);
  } else {
    result.folders = operands;
  }
  if (std::ranges::any_of(result.folders, [](const std::string& f) { return f.empty(); })) {
    throw UsageError("empty folder name");
  }
}

}  // namespace

CliArguments ParseCliArguments(const std::vector<std::string>& args) {
  CliArguments result;
  const ScannedLine line = Scan(args, result);
  if (Given(line, Option::Help) || Given(line, Option::Version)) {
    result.command = Given(line, Option::Help) ? CliCommand::Help : CliCommand::Version;
    return result;
  }
  if (line.operands.empty()) throw UsageError("missing command");
  result.command = FindCommand(line.operands.front());
  CheckOptionsApply(line, result.command, line.operands.front());
  TakeOperands(line, result);
  return result;
}

}  // namespace siconv
