#include "tests/support/direct_install.h"

#include "engine/file_system.h"

namespace siconv {

bool ConvertDirectly(ConversionContext& ctx, int direction, int quantity) {
  return ConvertQuantity(ctx, direction, quantity, [&](const ConvertedQuantity& converted) {
    try {
      InstallQuantity(converted);
    } catch (const Exception&) {
      FileStatus record;
      const bool replaced = CurrentFileSystem().Status(converted.replacements[0].temporary,
                                                       Links::Own, record) == 0 &&
                            record.kind == FileKind::Missing;
      if (replaced) ctx.unitType[static_cast<std::size_t>(quantity)] = direction;
      RemoveTemporaries(converted);
      throw;
    }
    ctx.unitType[static_cast<std::size_t>(quantity)] = direction;
  });
}

}  // namespace siconv
