#pragma once
// Converts one quantity of a data folder in place: its record file, then its
// header file, each written to KELDRAN.$$$ and renamed over the original.
#include <array>
#include <cstdint>
#include <string>

#include "engine/error_report.h"
#include "engine/line_file.h"

namespace siconv {

using UnitTypes = std::array<std::int32_t, 6>;

inline constexpr const char* kTemporaryFileName = "KELDRAN.$$$";

// What a conversion reports while it runs; the window and the CLI implement it.
class ConversionHost {
 public:
  virtual ~ConversionHost() = default;
  virtual void ShowStatus(const std::string& text) = 0;
  // A file that cannot be opened; by default the error dialog naming it.
  virtual void ShowOpenError(const std::string& path);
  virtual ErrorUi& Errors() = 0;
};

// "ファイルがオープンできません" CR LF "[" path "]".
std::string OpenErrorText(const std::string& path);

struct ConversionContext {
  std::string dataFolder;
  UnitTypes& unitType;
  LineFile& inFile;
  LineFile& outFile;
  ConversionHost& host;
  // Everything is read and converted, nothing is written or replaced.
  bool dryRun = false;
};

// The path of a data-folder file: the entry equal to name ignoring ASCII
// case, else the name itself. Raises EInOutError when the name cannot be
// looked up, and Exception naming both when two entries match.
std::string ResolveDataFile(const std::string& folder, const std::string& name);

bool ConvertDataFile(ConversionContext& ctx, int direction, int quantity);
bool ConvertHeaderFile(ConversionContext& ctx, int direction, int quantity);
bool ConvertQuantity(ConversionContext& ctx, int direction, int quantity);

}  // namespace siconv
