#include "tests/support/direct_install.h"

#include <optional>

#include "engine/file_system.h"
#include "engine/io_code.h"

namespace siconv {
namespace {

// Renames the temporary files over their originals, the record file first,
// then makes the folder durable. Raises at the first failure.
void InstallQuantity(const ConvertedQuantity& converted) {
  FileSystem& fs = CurrentFileSystem();
  for (const Replacement& file : converted.replacements) {
    CheckIo(fs.Replace(file.temporary, file.target));
  }
  CheckIo(fs.SyncFolder(converted.dataFolder));
}

}  // namespace

bool ConvertDirectly(ConversionContext& ctx, int direction, int quantity) {
  const std::optional<ConvertedQuantity> converted = PrepareQuantity(ctx, direction, quantity);
  if (!converted) return false;
  if (ctx.dryRun) return true;
  try {
    InstallQuantity(*converted);
  } catch (const Exception&) {
    FileStatus record;
    const bool replaced =
        CurrentFileSystem().Status(converted->replacements[0].temporary, Links::Own, record) == 0 &&
        record.kind == FileKind::Missing;
    if (replaced) ctx.unitType[static_cast<std::size_t>(quantity)] = direction;
    RemoveTemporaries(*converted);
    throw;
  }
  ctx.unitType[static_cast<std::size_t>(quantity)] = direction;
  return true;
}

}  // namespace siconv
