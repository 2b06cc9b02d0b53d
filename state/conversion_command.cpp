#include "state/conversion_command.h"

#include <algorithm>
#include <exception>

#include "engine/exceptions.h"
#include "state/folder_journal.h"
#include "state/unit_type_file.h"

namespace siconv {
namespace {

// A quantity counts as converted once its unit state moved to the target,
// that is once its journal was in place: also when a later step failed, so
// that the caller's lists follow UnitType and what SICONV.INI will say.
bool UnitMoved(const ConversionContext& ctx, int direction, int q, std::int32_t before) {
  return before != direction && ctx.unitType[static_cast<size_t>(q)] == direction;
}

// Converts in order up to the first quantity that could not be converted.
// An exception ends the loop and is handed back instead of raised.
std::exception_ptr ConvertInOrder(ConversionContext& ctx, int direction,
                                  const std::vector<int>& quantities, CommandOutcome& outcome) {
  for (size_t i = 0; i < quantities.size(); ++i) {
    if (ctx.host.StopRequested()) {
      outcome.success = false;
      return nullptr;
    }
    const int q = quantities[i];
    const std::int32_t before = ctx.unitType[static_cast<size_t>(q)];
    try {
      outcome.success = ConvertQuantity(ctx, direction, q, [&](const ConvertedQuantity& converted) {
        CommitQuantity(ctx.unitType, converted);
      });
    } catch (const Exception&) {
      outcome.success = false;
      outcome.converted[i] = UnitMoved(ctx, direction, q, before);
      return std::current_exception();
    }
    outcome.converted[i] = outcome.success || UnitMoved(ctx, direction, q, before);
    if (!outcome.success) return nullptr;
  }
  return nullptr;
}

// A command that converted nothing still writes the unit state (the window's
// declared units reach SICONV.INI with its next command); each converted
// quantity wrote it already. When that fails too, the user is first told of
// the conversion's own error.
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
  const bool anyConverted = std::find(outcome.converted.begin(), outcome.converted.end(), true) !=
                            outcome.converted.end();
  if (!ctx.dryRun && !anyConverted) RecordUnitState(ctx, failure);
  if (failure) std::rethrow_exception(failure);
  return outcome;
}

}  // namespace siconv
