#include "engine/file_conversion.h"

#include <algorithm>
#include <functional>
#include <string_view>

#include "engine/data_file_checks.h"
#include "engine/data_file_name.h"
#include "engine/io_code.h"
#include "engine/line_converter.h"
#include "engine/path_join.h"
#include "engine/quantity_catalogue.h"

namespace siconv {
namespace {

// What every temporary file's name starts with; the slot and $ or H follow.
constexpr const char* kTemporaryStem = "KELDRAN.$";

using LineWriter = std::function<void(LineFile& in, LineFile& out)>;

void WriteRecordLines(LineFile& in, LineFile& out, int direction, int q) {
  const Quantity& quantity = Quantities()[q];
  ConvertLines(in, out, direction, SeparatorMode::Commas, quantity.recordTable, -1,
               quantity.recordFactor);
}

void WriteHeaderLines(LineFile& in, LineFile& out, int direction, int q) {
  const HeaderRecipe& recipe = Quantities()[q].header;
  if (recipe.copiedBefore != 0) CopyLines(in, out, recipe.copiedBefore);
  ConvertLines(in, out, direction, SeparatorMode::Blanks, recipe.table, 1, recipe.factor);
  CopyLines(in, out, recipe.copiedAfter);
}

// Runs write over in and out, naming the file and, for a bad field, the line
// in an exception that escapes. A bad field is the target's, even when it is
// read from an earlier quantity's temporary file: lines map one to one.
void WriteNotingPlace(const LineWriter& write, LineFile& in, LineFile& out,
                      const std::string& target) {
  try {
    write(in, out);
  } catch (Exception& e) {
    const bool badField =
        dynamic_cast<EConvertError*>(&e) != nullptr || dynamic_cast<EOverflow*>(&e) != nullptr;
    if (badField) {
      e.SetPlace(target, in.LinesRead());
    } else {
      e.SetPlace(in.Name(), 0);
    }
    throw;
  }
}

// The output of one file conversion until it is complete: leaving any other
// way closes both files and removes the temporary file.
class PendingOutput {
 public:
  explicit PendingOutput(ConversionContext& ctx) : ctx_(ctx) {}
  ~PendingOutput() {
    if (complete_) return;
    ctx_.inFile.Close();
    ctx_.outFile.Close();
    if (!ctx_.dryRun) ctx_.outFile.Remove();
  }
  PendingOutput(const PendingOutput&) = delete;
  PendingOutput& operator=(const PendingOutput&) = delete;
  void Complete() { complete_ = true; }

 private:
  ConversionContext& ctx_;
  bool complete_ = false;
};

// The temporary file is always a new file of our own: a stale one is
// removed by its name, and nothing found in its place is ever written
// through. A checking pass writes converted text that nobody keeps.
int OpenOutput(const ConversionContext& ctx) {
  if (ctx.dryRun) return ctx.outFile.OpenWrite(OpenMode::Discard);
  const int removed = ctx.outFile.Remove();
  if (removed != 0 && removed != io_code::kFileNotFound) return removed;
  const int code = ctx.outFile.OpenWrite(OpenMode::CreateNew);
  if (code != 0 && code != io_code::kAlreadyExists) ctx.outFile.Remove();
  return code;
}

// Opens the source and the output; an open failure is reported and gives false.
bool OpenPair(ConversionContext& ctx, const std::string& source, const Replacement& file) {
  ctx.inFile.Bind(source);
  if (ctx.inFile.OpenRead() != 0) {
    ctx.host.ShowOpenError(source);
    return false;
  }
  ctx.outFile.Bind(file.temporary);
  if (OpenOutput(ctx) != 0) {
    ctx.host.ShowOpenError(file.temporary);
    CheckIo(ctx.inFile.Close());
    return false;
  }
  ctx.host.ShowStatus("変換中..." + file.target);
  return true;
}

// Converts source into the temporary file of file, closed and durable.
// False when a file could not be opened.
bool ConvertFile(ConversionContext& ctx, const std::string& source, const Replacement& file,
                 const LineWriter& write) {
  if (!OpenPair(ctx, source, file)) return false;
  PendingOutput pending(ctx);
  const FileStatus original = RequireRegularFile(ctx.inFile);
  WriteNotingPlace(write, ctx.inFile, ctx.outFile, file.target);
  CheckIo(ctx.inFile.Close());
  if (!ctx.dryRun) KeepAttributes(ctx.outFile, original);
  CheckIo(ctx.dryRun ? ctx.outFile.Close() : ctx.outFile.CloseSynced());
  pending.Complete();
  return true;
}

// Removes the temporary files of a quantity unless it is kept.
class TemporariesGuard {
 public:
  TemporariesGuard(const ConvertedQuantity& converted, bool dryRun)
      : converted_(converted), kept_(dryRun) {}
  ~TemporariesGuard() {
    if (!kept_) RemoveTemporaries(converted_);
  }
  TemporariesGuard(const TemporariesGuard&) = delete;
  TemporariesGuard& operator=(const TemporariesGuard&) = delete;
  void Keep() { kept_ = true; }

 private:
  const ConvertedQuantity& converted_;
  bool kept_;
};

ConvertedQuantity PlanQuantity(const ConversionContext& ctx, int direction, int q, int slot) {
  const Quantity& quantity = Quantities()[q];
  const std::string folder = AddBackslash(ctx.dataFolder);
  const std::array<std::string, 2> names = TemporaryNames(slot);
  return {ctx.dataFolder,
          q,
          direction,
          {{{folder + names[0], ResolveDataFile(ctx.dataFolder, quantity.recordFile)},
            {folder + names[1], ResolveDataFile(ctx.dataFolder, quantity.headerFile)}}}};
}

// What target holds once the waiting quantities are in place: the temporary
// file of the last one that converted it, else the file itself.
std::string LatestText(const std::string& target, std::span<const ConvertedQuantity> waiting) {
  std::string latest = target;
  for (const ConvertedQuantity& earlier : waiting) {
    for (const Replacement& file : earlier.replacements) {
      if (file.target == target) latest = file.temporary;
    }
  }
  return latest;
}

}  // namespace

std::array<std::string, 2> TemporaryNames(int slot) {
  if (slot == 0) return {kTemporaryFileName, kTemporaryHeaderFileName};
  const std::string stem = kTemporaryStem + std::to_string(slot);
  return {stem + "$", stem + "H"};
}

bool IsTemporaryName(const std::string& name) {
  const std::string_view stem = kTemporaryStem;
  if (name.size() < stem.size() + 2 || !name.starts_with(stem)) return false;
  const std::string_view slot(name.data() + stem.size(), name.size() - stem.size() - 1);
  const bool number =
      slot.front() != '0' && std::ranges::all_of(slot, [](char c) { return c >= '0' && c <= '9'; });
  return (name.back() == '$' || name.back() == 'H') && (slot == "$" || number);
}

std::optional<ConvertedQuantity> PrepareQuantity(ConversionContext& ctx, int direction, int q,
                                                 std::span<const ConvertedQuantity> waiting) {
  ConvertedQuantity converted = PlanQuantity(ctx, direction, q, static_cast<int>(waiting.size()));
  const auto& [record, header] = converted.replacements;
  RequireReplaceable({record.target, header.target});
  if (!ConvertFile(ctx, LatestText(record.target, waiting), record,
                   [&](LineFile& in, LineFile& out) { WriteRecordLines(in, out, direction, q); })) {
    return std::nullopt;
  }
  TemporariesGuard guard(converted, ctx.dryRun);
  if (!ConvertFile(ctx, LatestText(header.target, waiting), header,
                   [&](LineFile& in, LineFile& out) { WriteHeaderLines(in, out, direction, q); })) {
    return std::nullopt;
  }
  guard.Keep();
  return converted;
}

void RemoveTemporaries(const ConvertedQuantity& converted) {
  for (const Replacement& file : converted.replacements) CurrentFileSystem().Remove(file.temporary);
}

}  // namespace siconv
