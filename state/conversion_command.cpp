#include "state/conversion_command.h"

#include <exception>

#include "engine/exceptions.h"
#include "state/unit_type_file.h"

namespace siconv {
namespace {

// Converts in order up to the first quantity that could not be converted.
// An exception ends the loop and is handed back instead of raised.
std::exception_ptr ConvertInOrder(ConversionContext& ctx, int direction,
                                  const std::vector<int>& quantities, CommandOutcome& outcome) {
  try {
    for (size_t i = 0; i < quantities.size(); ++i) {
      if (!ConvertQuantity(ctx, direction, quantities[i])) {
        outcome.success = false;
        return nullptr;
      }
      outcome.converted[i] = true;
    }
  } catch (const Exception&) {
    outcome.success = false;
    return std::current_exception();
  }
  return nullptr;
}

// The unit state goes to disk whatever happened, so that it matches the files.
// When that fails too, the user is first told of the conversion's own error.
void RecordUnitState(ConversionContext& ctx, std::exception_ptr failure) {
  try {
    WriteUnitTypeFile(ctx.dataFolder, ctx.unitType);
  } catch (const Exception&) {
    if (failure) {
      try {
        std::rethrow_exception(failure);
      } catch (const Exception& e) {
        ctx.host.Errors().ReportException(e);
      }
    }
    throw;
  }
}

}  // namespace

CommandOutcome RunConversionCommand(
    ConversionContext& ctx, int direction, const std::vector<int>& quantities,
    const std::function<void(const CommandOutcome&)>& afterConversions) {
  if (!ctx.dryRun && !CanWriteUnitTypeFile(ctx.dataFolder)) {
    throw UnitTypeFileWriteError(ctx.dataFolder);
  }
  CommandOutcome outcome;
  outcome.converted.assign(quantities.size(), false);
  const std::exception_ptr failure = ConvertInOrder(ctx, direction, quantities, outcome);
  if (afterConversions) afterConversions(outcome);
  if (!ctx.dryRun) RecordUnitState(ctx, failure);
  if (failure) std::rethrow_exception(failure);
  return outcome;
}

}  // namespace siconv
