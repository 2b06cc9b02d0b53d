#include "engine/file_conversion.h"

#include <functional>

#include "engine/data_file_checks.h"
#include "engine/file_access.h"
#include "engine/io_code.h"
#include "engine/line_converter.h"
#include "engine/quantity_catalogue.h"
#include "engine/text_fields.h"

namespace siconv {
namespace {

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
// in an exception that escapes.
void WriteNotingPlace(const LineWriter& write, LineFile& in, LineFile& out) {
  try {
    write(in, out);
  } catch (Exception& e) {
    const bool badField =
        dynamic_cast<EConvertError*>(&e) != nullptr || dynamic_cast<EOverflow*>(&e) != nullptr;
    e.SetPlace(in.Name(), badField ? in.LinesRead() : 0);
    throw;
  }
}

// The output of one file conversion until it replaces its source: leaving any
// other way closes both files and removes the temporary file.
class PendingOutput {
 public:
  explicit PendingOutput(ConversionContext& ctx) : ctx_(ctx) {}
  ~PendingOutput() {
    if (committed_) return;
    ctx_.inFile.Close();
    ctx_.outFile.Close();
    if (!ctx_.dryRun) ctx_.outFile.Remove();
  }
  PendingOutput(const PendingOutput&) = delete;
  PendingOutput& operator=(const PendingOutput&) = delete;
  void Commit() { committed_ = true; }

 private:
  ConversionContext& ctx_;
  bool committed_ = false;
};

std::string OutputPath(const ConversionContext& ctx) {
  return AddBackslash(ctx.dataFolder) + kTemporaryFileName;
}

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
bool OpenPair(ConversionContext& ctx, const std::string& source) {
  ctx.inFile.Bind(source);
  if (ctx.inFile.OpenRead() != 0) {
    ctx.host.ShowOpenError(source);
    return false;
  }
  const std::string output = OutputPath(ctx);
  ctx.outFile.Bind(output);
  if (OpenOutput(ctx) != 0) {
    ctx.host.ShowOpenError(output);
    CheckIo(ctx.inFile.Close());
    return false;
  }
  ctx.host.ShowStatus("変換中..." + source);
  return true;
}

void RecordUnit(ConversionContext& ctx, int direction, int q) {
  if (!ctx.dryRun) ctx.unitType[q] = direction;
}

// Puts the output in the place of source. Once the rename has happened the
// unit is recorded, even if making the folder durable then fails.
void Replace(ConversionContext& ctx, const std::string& source, PendingOutput& pending,
             int direction, int q) {
  if (ctx.dryRun) {
    CheckIo(ReplaceableCode(source));
    pending.Commit();
    return;
  }
  const int code = ctx.outFile.ReplaceOnto(source);
  if (ctx.outFile.Name() == source) {
    pending.Commit();
    RecordUnit(ctx, direction, q);
  }
  CheckIo(code);
}

// Converts source into the output, runs check, then puts the output in the
// place of source. False when a file could not be opened or check failed.
bool ConvertFile(ConversionContext& ctx, int direction, int q, const std::string& source,
                 const LineWriter& write, const std::function<bool()>& check) {
  if (!OpenPair(ctx, source)) return false;
  PendingOutput pending(ctx);
  const FileStatus original = RequireRegularFile(ctx.inFile);
  WriteNotingPlace(write, ctx.inFile, ctx.outFile);
  CheckIo(ctx.inFile.Close());
  if (!ctx.dryRun) KeepAttributes(ctx.outFile, original);
  CheckIo(ctx.dryRun ? ctx.outFile.Close() : ctx.outFile.CloseSynced());
  if (check && !check()) return false;
  Replace(ctx, source, pending, direction, q);
  return true;
}

std::string HeaderPath(const ConversionContext& ctx, int q) {
  return ResolveDataFile(ctx.dataFolder, Quantities()[q].headerFile);
}

// Converts the header file to nowhere, so that a header that cannot be opened
// or does not convert stops the quantity before its record file is replaced.
bool HeaderConverts(ConversionContext& ctx, int direction, int q) {
  const std::string path = HeaderPath(ctx, q);
  LineFile in;
  LineFile out;
  in.Bind(path);
  if (in.OpenRead() != 0) {
    ctx.host.ShowOpenError(path);
    return false;
  }
  RequireRegularFile(in);
  out.Bind(OutputPath(ctx));
  CheckIo(out.OpenWrite(OpenMode::Discard));
  WriteNotingPlace([&](LineFile& i, LineFile& o) { WriteHeaderLines(i, o, direction, q); }, in,
                   out);
  CheckIo(in.Close());
  CheckIo(out.Close());
  return true;
}

}  // namespace

bool ConvertDataFile(ConversionContext& ctx, int direction, int q) {
  const std::string path = ResolveDataFile(ctx.dataFolder, Quantities()[q].recordFile);
  RequireReplaceable({path, HeaderPath(ctx, q)});
  return ConvertFile(
      ctx, direction, q, path,
      [&](LineFile& in, LineFile& out) { WriteRecordLines(in, out, direction, q); },
      [&] { return HeaderConverts(ctx, direction, q); });
}

bool ConvertHeaderFile(ConversionContext& ctx, int direction, int q) {
  return ConvertFile(ctx, direction, q, HeaderPath(ctx, q),
                     [&](LineFile& in, LineFile& out) { WriteHeaderLines(in, out, direction, q); },
                     {});
}

bool ConvertQuantity(ConversionContext& ctx, int direction, int q) {
  return ConvertDataFile(ctx, direction, q) && ConvertHeaderFile(ctx, direction, q);
}

}  // namespace siconv
