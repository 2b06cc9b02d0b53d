#include "state/conversion_command.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <span>

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

// Tells the user of an error that a later one will be raised over.
void Tell(ConversionContext& ctx, std::exception_ptr failure) {
  if (!failure) return;
  try {
    std::rethrow_exception(failure);
  } catch (const Exception& e) {
    ctx.host.Errors().ReportException(e);
  }
}

// Prepares in order up to the first quantity that could not be converted or
// a stop; an exception ends the loop and is handed back instead of raised.
std::exception_ptr PrepareInOrder(ConversionContext& ctx, int direction,
                                  const std::vector<int>& quantities,
                                  std::vector<ConvertedQuantity>& prepared) {
  for (const int q : quantities) {
    if (ctx.host.StopRequested()) return nullptr;
    // Without temporary files a dry run reads every file from its original.
    const std::span<const ConvertedQuantity> waiting =
        ctx.dryRun ? std::span<const ConvertedQuantity>() : prepared;
    try {
      const std::optional<ConvertedQuantity> converted =
          PrepareQuantity(ctx, direction, q, waiting);
      if (!converted) return nullptr;
      prepared.push_back(*converted);
    } catch (const Exception&) {
      return std::current_exception();
    }
  }
  return nullptr;
}

// Converts in order up to the first quantity that could not be converted,
// then puts every one converted so far in place under one journal. An
// exception is handed back instead of raised; when both a conversion and
// putting in place failed, the user is told of the first and the second is
// handed back.
std::exception_ptr ConvertInOrder(ConversionContext& ctx, int direction,
                                  const std::vector<int>& quantities, CommandOutcome& outcome) {
  const UnitTypes before = ctx.unitType;
  std::vector<ConvertedQuantity> prepared;
  std::exception_ptr failure = PrepareInOrder(ctx, direction, quantities, prepared);
  bool committed = true;
  if (!ctx.dryRun) {
    try {
      CommitQuantities(ctx.unitType, prepared);
    } catch (const Exception&) {
      Tell(ctx, failure);
      failure = std::current_exception();
      committed = false;
    }
  }
  for (size_t i = 0; i < prepared.size(); ++i) {
    const auto q = static_cast<size_t>(quantities[i]);
    outcome.converted[i] = committed || UnitMoved(ctx, direction, quantities[i], before[q]);
  }
  outcome.success = committed && !failure && prepared.size() == quantities.size();
  return failure;
}

// A command that converted nothing still writes the unit state (the window's
// declared units reach SICONV.INI with its next command); the journal wrote
// it already otherwise. When that fails too, the user is first told of the
// conversion's own error.
void RecordUnitState(ConversionContext& ctx, std::exception_ptr failure) {
  try {
    WriteUnitTypeFile(ctx.dataFolder, ctx.unitType);
  } catch (const Exception&) {
    Tell(ctx, failure);
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
